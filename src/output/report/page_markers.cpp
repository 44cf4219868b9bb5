#include "output/report/page_markers.h"

#include <algorithm>

namespace hbpins {

namespace {

constexpr std::string_view fence = "@@";

std::size_t filled_size(std::string_view frame, std::span<const marker_part> parts) {
  std::size_t size = frame.size();
  for (const marker_part& part : parts) size += part.text.size();
  return size;
}

}  // namespace

std::string fill_markers(std::string_view frame, std::span<const marker_part> parts) {
  std::string text;
  text.reserve(filled_size(frame, parts));
  std::size_t at = 0;
  for (std::size_t open; (open = frame.find(fence, at)) != std::string_view::npos;) {
    const std::size_t close = frame.find(fence, open + fence.size());
    if (close == std::string_view::npos) break;
    const std::string_view name = frame.substr(open + fence.size(), close - open - fence.size());
    const auto part = std::find_if(parts.begin(), parts.end(),
                                   [name](const marker_part& p) { return p.name == name; });
    text.append(frame.substr(at, open - at));
    if (part == parts.end()) {
      // An unknown marker's closing fence may open the next marker.
      text.append(fence);
      at = open + fence.size();
    } else {
      text.append(part->text);
      at = close + fence.size();
    }
  }
  text.append(frame.substr(at));
  return text;
}

}  // namespace hbpins
