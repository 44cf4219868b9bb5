#include "output/pinout_listing.h"

namespace hbpins {

void print_module_pinout(std::ostream&, std::uint16_t, table_format) {}

void print_pin_rows(std::ostream&, const module_pin_table&, table_format) {}

}  // namespace hbpins
