// The template merge: the input bytes are the template, merged for one of a
// few configurations and compared with a plain line-by-line merge of the
// whole text. The first byte picks the configuration (bits 0 and 1) and,
// with bit 2, filler lines that push the rest of the input across the end of
// the merge's first read, at an offset from bits 3 to 7 and the second byte,
// so that lines, line ends and markers straddle a read. Without filler, the
// second byte picks a block of 32 to 95 bytes (bits 0 to 5), which most
// lines outgrow, and a template that cannot seek (bit 6). Bit 7 of the
// second byte makes the template Verilog, with markers that begin "//".
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "catalogue/run_catalogue.h"
#include "output/hdl/hdl_language.h"
#include "output/hdl/port_list.h"
#include "output/hdl/template_merge.h"

namespace {

using namespace hbpins;

constexpr std::size_t read_size = template_block_size;

struct unseekable : std::stringbuf {
  using std::stringbuf::stringbuf;
  pos_type seekoff(off_type, std::ios::seekdir, std::ios::openmode) override { return -1; }
};

struct module_on_slot {
  std::uint16_t module;
  std::uint8_t variant = 0;
};

pin_list configured(const board_entry* board, std::initializer_list<module_on_slot> modules) {
  board_configuration config;
  if (board != nullptr) select_board(config, *board);
  std::uint16_t slot = 0;
  for (const module_on_slot& m : modules)
    place_module(config, slot++, find_module({}, m.module), m.variant);
  return resolve_pins(config);
}

const board_entry* most_slots() {
  return &*std::max_element(
      builtin_boards.begin(), builtin_boards.end(),
      [](const board_entry& a, const board_entry& b) { return slot_count(a) < slot_count(b); });
}

// The catalogue's first and last boards, none, and the one with the most
// slots.
const pin_list configurations[] = {
    configured(&builtin_boards.front(), {{722}}),
    configured(&builtin_boards.back(), {{955}, {714}, {714}, {714}, {714}, {714}, {714}}),
    configured(nullptr, {}),
    configured(most_slots(), {{735}, {735, 1}, {954}, {736}, {703}, {953}}),
};

// Line by line over the whole text: LF, CR and CRLF end a line; a last line
// without a line end counts, and an empty text is one empty line.
__attribute__((no_sanitize("coverage"))) template_markers reference_merge(
    const pin_list& pins, const language_entry& language, std::string_view text, std::ostream& out,
    std::ostream& messages) {
  const std::string lead(language.marker_lead);
  template_markers found;
  for (std::size_t start = 0;;) {
    std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (line.find(lead + "_BEGIN") != std::string_view::npos)
      language.write_declarations(collect_ports(pins, false, true, messages), out),
          found.declarations = true;
    else if (line.find(lead + "_MAP_BEGIN") != std::string_view::npos)
      language.write_port_map(collect_ports(pins, false, true, messages), out),
          found.port_map = true;
    else if (line.find(lead + "_END") == line.npos && line.find(lead + "_MAP_END") == line.npos)
      out << line << '\n';
    if (end == text.size()) break;
    if (text.substr(end, 2) == "\r\n") ++end;
    start = end + 1;
    if (start == text.size()) break;
  }
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const pin_list& pins = configurations[data[0] & 3];
  const hdl_language language = (data[1] & 128) != 0 ? hdl_language::verilog : hdl_language::vhdl;
  const bool filler = (data[0] & 4) != 0;
  std::string text;
  if (filler) {
    const std::size_t offset = (std::size_t{data[0]} >> 3) << 8 | data[1];
    for (std::size_t line = 0; line < read_size - offset; line += 256)
      text.append(std::string(255, 'x') + '\n', 0, read_size - offset - line);
  }
  text.append(reinterpret_cast<const char*>(data) + 2, size - 2);

  unseekable unseekable_text(text);
  std::istringstream seekable_text(text);
  std::istream tmpl(filler || (data[1] & 64) == 0 ? seekable_text.rdbuf() : &unseekable_text);
  std::ostringstream out, messages, want_out, want_messages;
  const template_markers found =
      merge_template(collect_ports(pins, false, true), language, tmpl, out, messages,
                     filler ? read_size : 32 + (data[1] & 63));
  const template_markers want =
      reference_merge(pins, language_info(language), text, want_out, want_messages);
  if (out.view() != want_out.view() || messages.view() != want_messages.view() ||
      found.declarations != want.declarations || found.port_map != want.port_map) {
    std::fprintf(stderr, "fuzz_template_merge: the merge differs from the plain one\n");
    std::abort();
  }
  return 0;
}
