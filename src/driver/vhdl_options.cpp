#include "driver/driver_branches.h"
#include "driver/driver_errors.h"

namespace hbpins {

void declaration_output(driver_state&) {
  throw usage_error{"Illegal command line option!"};
}

void template_input(driver_state&) {
  throw usage_error{"Illegal command line option!"};
}

void top_file_output(driver_state&) {
  throw usage_error{"Illegal command line option!"};
}

}  // namespace hbpins
