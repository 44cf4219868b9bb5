// The template merge: the input bytes are the template, merged for one of a
// few fixed configurations, and the result is compared with a plain
// line-by-line merge of the whole text.
//
// The first byte picks the configuration (bits 0 and 1) and whether the
// template starts with filler lines (bit 2) that push the rest of the input
// across the merge's first 256 KiB read, at an offset taken from bits 3 to 7
// and the second byte. Lines, line ends and markers then straddle a read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "assembly/board_configuration.h"
#include "output/template_merge.h"
#include "output/vhdl_writers.h"

namespace {

using namespace hbpins;

// The size of the merge's reads.
constexpr std::size_t read_size = std::size_t{1} << 18;

struct placement {
  std::uint16_t module;
  std::uint16_t modification;
};

hb_module_type configured(std::uint16_t board, std::initializer_list<placement> modules) {
  hb_module_type config;
  std::ostringstream ignored;
  select_board(config, board, ignored);
  std::uint16_t slot = 0;
  for (const placement& p : modules)
    place_module(config, slot++, p.module, p.modification, ignored);
  return config;
}

std::array<hb_module_type, 4>& configurations() {
  static std::array<hb_module_type, 4> all = {
      configured(701, {{722, 0}}),
      configured(711, {{955, 0}, {714, 0}, {714, 0}, {714, 0}, {714, 0}, {714, 0}, {714, 0}}),
      hb_module_type{},  // no board chosen
      configured(709, {{735, 0}, {735, 1}, {954, 0}, {736, 0}, {703, 0}, {953, 0}}),
  };
  return all;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

void merge_line(hb_module_type& config, std::string_view line, std::ostream& out,
                std::ostream& messages) {
  if (contains(line, "-- QM_BEGIN")) {
    write_declarations(config, out, messages, false, true);
  } else if (contains(line, "-- QM_MAP_BEGIN")) {
    write_port_map(config, out, messages);
  } else if (!contains(line, "-- QM_END") && !contains(line, "-- QM_MAP_END")) {
    out << line << '\n';
  }
}

// Line by line over the whole text: LF, CR and CRLF end a line; a last line
// without a line end counts, and an empty text is one empty line. Left out of
// the coverage that guides the fuzzer, which is the product's.
__attribute__((no_sanitize("coverage"))) void reference_merge(hb_module_type& config,
                                                              std::string_view text,
                                                              std::ostream& out,
                                                              std::ostream& messages) {
  if (text.empty()) merge_line(config, text, out, messages);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    merge_line(config, text.substr(start, end - start), out, messages);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
}

// Lines of 255 x's, a read long.
const std::string& filler() {
  static const std::string text = [] {
    std::string made(read_size, 'x');
    for (std::size_t i = 255; i < made.size(); i += 256) made[i] = '\n';
    return made;
  }();
  return text;
}

// Reads the template text in place.
struct text_source : std::streambuf {
  explicit text_source(std::string& text) {
    setg(text.data(), text.data(), text.data() + text.size());
  }
};

void report_difference(std::string_view got, std::string_view want, const char* what) {
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  std::fprintf(stderr, "fuzz_template_merge: %s differ at byte %zu (sizes %zu, %zu)\n", what, at,
               got.size(), want.size());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  hb_module_type& config = configurations()[choice & 3];
  static std::string text;
  std::size_t skip = 1;
  text.clear();
  if ((choice & 4) != 0 && size >= 2) {
    const std::size_t offset = (std::size_t{choice} >> 3) << 8 | data[1];
    text.append(filler(), 0, read_size - offset);
    skip = 2;
  }
  text.append(reinterpret_cast<const char*>(data) + skip, size - skip);

  text_source source(text);
  std::istream tmpl(&source);
  std::ostringstream out;
  std::ostringstream messages;
  merge_template(config, tmpl, out, messages);
  std::ostringstream want_out;
  std::ostringstream want_messages;
  reference_merge(config, text, want_out, want_messages);
  if (out.view() != want_out.view()) report_difference(out.view(), want_out.view(), "outputs");
  if (messages.view() != want_messages.view())
    report_difference(messages.view(), want_messages.view(), "messages");
  return 0;
}
