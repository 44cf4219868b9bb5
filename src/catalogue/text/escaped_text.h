#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace hbpins {

// Appends the text with every character for which needs_escape holds
// replaced by what append_escape appends for it; the runs of plain
// characters between them are copied whole.
template <typename Needs, typename Escape>
void append_escaped(std::string& to, std::string_view text, Needs needs_escape,
                    Escape append_escape) {
  for (auto c = text.begin(); c != text.end(); ++c) {
    const auto plain = std::find_if(c, text.end(), needs_escape);
    to.append(c, plain);
    if (plain == text.end()) break;
    c = plain;
    append_escape(to, *c);
  }
}

}  // namespace hbpins
