// The UCF reader of -k: the input bytes after the first are the file, the
// first byte picks the configuration it is checked against. Whatever the
// bytes, the reader ends with statements or one fault on a line of the
// file, and the check writes one line per difference and a summary.
// hbpins' own UCF files of the configurations read and check clean.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <sstream>
#include <string>
#include <string_view>

#include "catalogue/run_catalogue.h"
#include "output/ucf/ucf_check.h"
#include "output/ucf/ucf_reader.h"
#include "output/ucf/ucf_writer.h"

namespace {

using namespace hbpins;

void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "fuzz_ucf_reader: %s\n--- text ---\n%.*s\n", what,
               static_cast<int>(text.size()), text.data());
  std::abort();
}

// A board with its slots filled in turn from a list of modules, each slot
// of an odd number in the second variant where the module has two.
pin_list configured(const board_entry& board, std::size_t first_module) {
  constexpr std::uint16_t modules[] = {722, 707, 955, 714, 727, 703, 736, 953, 735};
  board_configuration config;
  select_board(config, board);
  for (std::size_t slot = 0; slot < slot_count(board); ++slot)
    place_module(config, static_cast<std::uint32_t>(slot),
                 find_module({}, modules[(first_module + slot) % std::size(modules)]),
                 static_cast<std::uint8_t>(slot % 2));
  return resolve_pins(config);
}

// Built in place, so that the uses keep pointing into their own pins.
struct configuration {
  explicit configuration(pin_list list) : pins(std::move(list)), uses(uses_by_location(pins)) {}
  pin_list pins;
  pin_uses uses;
};

// Every board of the catalogue.
const std::deque<configuration>& configurations() {
  static const std::deque<configuration> boards = [] {
    std::deque<configuration> made;
    for (const board_entry& board : builtin_boards)
      made.emplace_back(configured(board, 3 * made.size()));
    return made;
  }();
  return boards;
}

bool within(std::string_view part, std::string_view whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (const configuration& board : configurations()) {
    std::ostringstream file, report;
    write_ucf(board.pins, file);
    const ucf_check check = check_ucf(board.pins, board.uses, file.view(), "own.ucf", report);
    if (check.error || check.differences != 0)
      fail("hbpins' own UCF file does not check clean", report.view());
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  // LF, CRLF and a lone CR each end a line.
  std::size_t lines = 1;
  for (std::size_t k = 0; k < text.size(); ++k)
    if (text[k] == '\n' || (text[k] == '\r' && (k + 1 == text.size() || text[k + 1] != '\n')))
      ++lines;
  const std::optional<ucf_read_error> error = read_ucf(text, [&](const net_statement& net) {
    std::size_t constraints = 0;
    for_each_constraint(net, [&](const ucf_constraint& constraint) {
      ++constraints;
      if (constraint.kind != constraint_kind::pull && !within(constraint.value, text))
        fail("a constraint outside the text", text);
    });
    if (net.line < 1 || net.line > lines || net.name.empty() || !within(net.name, text) ||
        constraints == 0)
      fail("a statement outside the text", text);
  });
  if (error && (error->line < 1 || error->line > lines || error->message.empty()))
    fail("a fault without its line", text);
  std::ostringstream report;
  const configuration& board = configurations()[data[0] % configurations().size()];
  const ucf_check check = check_ucf(board.pins, board.uses, text, "f.ucf", report);
  const std::string_view written = report.view();
  if (check.error.has_value() != error.has_value() || (error && !written.empty()))
    fail("a check that reads the text otherwise", text);
  if (!error && (static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n')) !=
                     check.differences + 1 ||
                 !written.ends_with("\n")))
    fail("not one line per difference and a summary", written);
  return 0;
}
