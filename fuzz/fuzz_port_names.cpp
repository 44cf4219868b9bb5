// The port-name checks: each input line is a signal name added to a port
// list. The first byte of a line picks the mode ('0' in, '1' out, '2' inout,
// '3' buffer, '4' comment, and so on around), the rest is the name. The list
// is then filled past its 256 entries and the lines are added again; after
// that the same names go through collect_ports as the pin names of a board
// with eight slots and its board signals, which asks for more than 256
// entries as well.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/board_configuration.h"
#include "output/port_list.h"
#include "output/vhdl_writers.h"

namespace {

using namespace hbpins;

struct named_line {
  std::uint8_t lead;  // the first byte of the line
  std::string_view name;

  vhdl_dir mode() const { return static_cast<vhdl_dir>(static_cast<std::uint8_t>(lead - '0') % 5); }
  // The directions other than nc, in turn.
  direction dir() const {
    return static_cast<direction>(static_cast<std::uint8_t>(lead - '0') % 11);
  }
};

std::vector<named_line> lines_of(std::string_view input) {
  std::vector<named_line> lines;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    if (!line.empty()) lines.push_back({static_cast<std::uint8_t>(line[0]), line.substr(1)});
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  return lines;
}

void fail(const char* what) {
  std::fprintf(stderr, "fuzz_port_names: %s\n", what);
  std::abort();
}

std::size_t line_count(const std::string& text) {
  std::size_t count = 0;
  for (char c : text) count += c == '\n' ? 1 : 0;
  return count;
}

void check_list(vhdl_entity_type& entity) {
  if (entity.count > max_ports) fail("the list has grown past its entries");
  std::set<std::string_view> names;
  for (int i = 0; i < entity.count; ++i) {
    const vhdl_port_type& port = entity.ports[i];
    if (port.mode == vhdl_dir::comment) continue;
    if (port.low > port.high) fail("a vector whose low bound is above its high bound");
    if (!port.is_vector && (port.low != 0 || port.high != 0)) fail("a scalar with bounds");
    if (!names.insert(port.name.view()).second) fail("a port name held twice");
  }

  int read = 0;
  vhdl_port_type port;
  for (bool more = first_port(entity, port); more; more = next_port(entity, port)) ++read;
  if (read != port_count(entity)) fail("the in-order reading misses entries");
}

// Names hold no line feed, so every entry is one line of each writer.
void check_writers(const vhdl_entity_type& entity) {
  std::ostringstream declarations;
  std::ostringstream port_map;
  write_decl_lines(entity, declarations);
  write_map_lines(entity, port_map);
  if (line_count(declarations.str()) != entity.count || line_count(port_map.str()) != entity.count)
    fail("a writer does not give one line per entry");
}

void add_lines(vhdl_entity_type& entity, const std::vector<named_line>& lines,
               std::ostream& messages) {
  for (const named_line& line : lines) {
    const std::uint16_t before = entity.count;
    add_port(entity, line.name, line.mode(), messages);
    if (entity.count > before + 1) fail("one name added more than one entry");
  }
}

void check_port_list(const std::vector<named_line>& lines) {
  static vhdl_entity_type entity;
  std::ostringstream messages;
  init(entity);
  add_lines(entity, lines, messages);
  check_list(entity);
  check_writers(entity);

  for (int i = 0; entity.count < max_ports; ++i)
    add_port(entity, "FILL" + std::to_string(i), vhdl_dir::inp, messages);
  add_port(entity, "ONE_TOO_MANY", vhdl_dir::out, messages);
  add_lines(entity, lines, messages);
  if (entity.count != max_ports) fail("a full list has changed its count");
  check_list(entity);
  check_writers(entity);
}

hb_module_type& board_with_eight_slots() {
  static hb_module_type config = [] {
    hb_module_type made;
    std::ostringstream ignored;
    select_board(made, 711, ignored);
    for (std::uint16_t s = 0; s < 8; ++s) place_module(made, s, 714, 0, ignored);
    return made;
  }();
  return config;
}

void check_collection(const std::vector<named_line>& lines) {
  static hb_module_type config;
  config = board_with_eight_slots();
  std::size_t next = 0;
  for (pin_type& pin : config.board_signals) {
    if (next == lines.size()) break;
    pin = {lines[next].name, "A1", lines[next].dir()};
    ++next;
  }
  for (qm_module_type& slot : config.slots) {
    for (int p = first_position; p <= last_position && next < lines.size(); ++p, ++next)
      slot.pins[p] = {lines[next].name, "B2", lines[next].dir()};
  }
  std::ostringstream out;
  std::ostringstream messages;
  write_declarations(config, out, messages, true, true);
  check_list(config.entity);
  write_port_map(config, out, messages);
  check_list(config.entity);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<named_line> lines =
      lines_of(std::string_view(reinterpret_cast<const char*>(data), size));
  check_port_list(lines);
  check_collection(lines);
  return 0;
}
