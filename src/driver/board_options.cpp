#include "driver/driver_branches.h"
#include "driver/driver_errors.h"

namespace hbpins {

void board_option(driver_state&, std::string_view, std::string_view) {
  throw usage_error{"Illegal command line option!"};
}

void module_option(driver_state&, std::string_view, std::string_view) {
  throw usage_error{"Illegal command line option!"};
}

}  // namespace hbpins
