// The bytes are a board file, read against the built-in boards. A refused
// file gives no board and one line per problem; an accepted one gives
// boards that the check passes, and the export of each reads back to the
// same board.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "catalogue/board_check.h"
#include "catalogue/board_file/board_file_fields.h"
#include "catalogue/board_file/board_file_reader.h"
#include "catalogue/board_file/board_file_writer.h"

namespace {

using namespace hbpins;

void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "fuzz_board_file: %s\n--- detail ---\n%s\n", what, detail.c_str());
  std::abort();
}

bool same_signals(const board_entry& a, const board_entry& b) {
  std::vector<const pin_type*> x, y;
  for (std::span<const pin_type> table : a.signal_tables)
    for (const pin_type& signal : table) x.push_back(&signal);
  for (std::span<const pin_type> table : b.signal_tables)
    for (const pin_type& signal : table) y.push_back(&signal);
  if (x.size() != y.size()) return false;
  for (std::size_t k = 0; k < x.size(); ++k)
    if (x[k]->name.view() != y[k]->name.view() || x[k]->loc.view() != y[k]->loc.view() ||
        x[k]->dir != y[k]->dir)
      return false;
  return true;
}

bool same_board(const board_entry& a, const board_entry& b) {
  if (a.number != b.number || a.location_prefix != b.location_prefix || !(a.package == b.package) ||
      a.connectors.size() != b.connectors.size())
    return false;
  for (std::size_t s = 0; s < a.connectors.size(); ++s)
    for (int p = first_position; p <= last_position; ++p)
      if (a.connectors[s][p].view() != b.connectors[s][p].view()) return false;
  return same_signals(a, b);
}

// "position: expected ...", "location A2: expected ...", "board 712 is
// already loaded from ...": each message begins with the field it is about.
bool names_what_it_expects(const std::string& message) {
  constexpr std::string_view fields[] = {"header", "quote", "row", "file"};
  const std::string_view word = std::string_view(message).substr(0, message.find_first_of(": "));
  return std::find(std::begin(fields), std::end(fields), word) != std::end(fields) ||
         std::any_of(board_file_columns.begin(), board_file_columns.end(),
                     [word](const column_entry& column) { return column.name == word; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const run_catalogue builtin;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const board_file file = read_board_file(text, "fuzz.csv", builtin);
  // Lines end in LF, CRLF or a lone CR.
  std::size_t lines = 1;
  for (std::size_t at = 0; at < text.size(); ++at)
    if (text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')))
      ++lines;
  std::size_t line = 1;
  for (const board_file_problem& problem : file.problems) {
    if (problem.line > lines) fail("a problem past the last line", problem.message);
    if (problem.line == 0 || problem.message.empty() ||
        problem.message.find_first_of("\r\n") != std::string::npos)
      fail("a problem that is no line of its own", problem.message);
    if (problem.line < line) fail("problems out of line order", problem.message);
    line = problem.line;
    if (!names_what_it_expects(problem.message))
      fail("a problem without its field", problem.message);
  }
  if (!file.problems.empty()) {
    if (!file.boards.empty()) fail("boards of a refused file", text);
    return 0;
  }
  for (const auto& board : file.boards) {
    if (!check_board(board->entry).empty()) fail("an accepted board the check refuses", text);
    std::ostringstream exported;
    write_board_file(exported, board->entry);
    const board_file again = read_board_file(exported.str(), "again.csv", builtin);
    if (!again.problems.empty() || again.boards.size() != 1)
      fail("an export that does not read back", exported.str());
    if (!same_board(board->entry, again.boards[0]->entry))
      fail("an export that reads back to another board", exported.str());
  }
  return 0;
}
