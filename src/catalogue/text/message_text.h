#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// A text from an input file as a message quotes it, on one line: in double
// quotes, a quote doubled as in CSV, printable ASCII as it is, any other
// byte as \xHH, and no more than its first 40 characters.
std::string quoted(std::string_view text);

}  // namespace hbpins
