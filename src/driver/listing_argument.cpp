#include "catalogue/module_catalogue.h"
#include "driver/driver_branches.h"
#include "driver/number_reading.h"
#include "driver/run_failure.h"

namespace hbpins {

// QM<number> lists one module and the run goes on; QMALL lists every
// catalogue module and ends the run; anything else after QM is ignored.
// Module numbers are held in 16 bits, keeping the low bits of what was typed.
step_result listing_argument(driver_state& state, std::string_view a) {
  const std::string_view r = a.substr(2);
  if (const number_reading number = read_number(r); number.ok) {
    const auto module = static_cast<std::uint16_t>(number.value);
    if (!print_module_pinout(state.out, module, state.layout)) throw usage_error("Wrong QM Nr.!");
  } else if (r == "ALL") {
    for (std::uint16_t index = 0; index <= last_listed_index; ++index) {
      if (!is_supported_module(index)) continue;
      state.out << '\n';
      print_module_pinout(state.out, index, state.layout);
    }
    return {1, true};
  }
  return {};
}

}  // namespace hbpins
