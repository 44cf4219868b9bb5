#include "output/hdl/template_lines.h"

#include <algorithm>
#include <cstring>

namespace hbpins {

namespace {

struct marker {
  std::string_view tail;  // what follows the lead
  line_kind kind;
};

constexpr marker markers[] = {
    {"_BEGIN", line_kind::declarations},
    {"_MAP_BEGIN", line_kind::port_map},
    {"_END", line_kind::dropped},
    {"_MAP_END", line_kind::dropped},
};

static_assert(std::ranges::all_of(markers, [](const marker& m) {
  return marker_lead_size + m.tail.size() <= marker_overlap + 1;
}));

const char* find(const char* from, const char* end, char c) {
  const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
  return found == nullptr ? end : static_cast<const char*>(found);
}

}  // namespace

line_kind kind_of(std::string_view text, std::string_view lead) {
  line_kind kind = line_kind::ordinary;
  for (std::size_t at = text.find(lead); at != text.npos; at = text.find(lead, at + 1)) {
    const std::string_view after = text.substr(at + lead.size());
    for (const marker& m : markers)
      if (after.starts_with(m.tail)) kind = std::max(kind, m.kind);
  }
  return kind;
}

// Each CR found is the end of a stretch that moves down over the CRs
// dropped before it.
std::size_t to_lf_line_ends(char* data, std::size_t size) {
  const char* const end = data + size;
  const char* from = find(data, end, '\r');
  char* to = data + (from - data);
  while (from != end) {
    if (++from == end || *from != '\n') *to++ = '\n';
    const char* const next = find(from, end, '\r');
    std::memmove(to, from, static_cast<std::size_t>(next - from));
    to += next - from;
    from = next;
  }
  return static_cast<std::size_t>(to - data);
}

std::size_t line_start(std::string_view text, std::size_t at) {
  const void* lf = ::memrchr(text.data(), '\n', at);
  return lf == nullptr ? 0
                       : static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1;
}

std::size_t after_last_lf(std::string_view text) {
  return line_start(text, text.size());
}

std::size_t first_line_end(std::string_view text) {
  const char* const end = text.data() + text.size();
  const char* const lf = find(text.data(), end, '\n');
  return static_cast<std::size_t>(find(text.data(), lf, '\r') - text.data());
}

}  // namespace hbpins
