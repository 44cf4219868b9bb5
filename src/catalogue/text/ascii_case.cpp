#include "catalogue/text/ascii_case.h"

#include <algorithm>

namespace hbpins {

std::string upper_cased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), upper_case);
  return upper;
}

// Most words come in the case they are compared with.
bool equal_in_any_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (upper_case(a[k]) != upper_case(b[k])) return false;
  return true;
}

bool ends_in_any_case(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && equal_in_any_case(text.substr(text.size() - end.size()), end);
}

}  // namespace hbpins
