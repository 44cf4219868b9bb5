#include "driver/driver_branches.h"
#include "driver/driver_errors.h"

namespace hbpins {

std::optional<int> listing_argument(driver_state&, std::string_view) {
  throw usage_error{"Illegal command line option!"};
}

}  // namespace hbpins
