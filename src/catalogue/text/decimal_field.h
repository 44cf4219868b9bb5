#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hbpins {

// A number field of an input file: decimal digits only, as spreadsheets
// write numbers, at most nine of them; nothing for any other text.
std::optional<std::uint32_t> decimal_field(std::string_view text);

}  // namespace hbpins
