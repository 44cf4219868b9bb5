#pragma once

#include <span>
#include <string>
#include <string_view>

namespace hbpins {

// A text to put where a frame has the marker "@@name@@".
struct marker_part {
  std::string_view name;
  std::string_view text;
};

// The frame with every marker replaced by the part of its name. A marker
// that no part names is copied as it stands; the parts are not searched.
std::string fill_markers(std::string_view frame, std::span<const marker_part> parts);

}  // namespace hbpins
