#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hbpins {

// Numbers in the CSV files hbpins reads are written in decimal without
// leading zeros, as -x writes them and spreadsheets export them.

// A number of at most 9 digits, its value; nothing for any other text.
std::optional<std::uint32_t> decimal_number(std::string_view text);

// "03", "0760": digits after a leading 0.
bool has_leading_zero(std::string_view text);

}  // namespace hbpins
