#include "catalogue/board_file/board_file_reader.h"

#include <algorithm>
#include <optional>
#include <set>

#include "catalogue/board_check.h"
#include "catalogue/board_file/board_file_fields.h"
#include "catalogue/text/csv_table.h"

namespace hbpins {

namespace {

// The rows of one board as they are read, with their lines.
struct board_rows {
  std::uint16_t number = 0;
  std::size_t first_line = 0;
  std::size_t board_line = 0;  // of its row with the package; 0 until there is one
  package_shape package;
  std::string_view prefix;
  std::array<slot_wiring, max_slots> wirings{};
  std::array<position_array<std::size_t>, max_slots> lines{};  // 0 where there is no row
  std::vector<pin_type> signals;
  std::vector<std::size_t> signal_lines;
  std::size_t excess_line = 0;  // of the first signal past the most a board has
};

struct file_reader {
  const std::string& file_name;
  const run_catalogue& known;
  csv_table table;
  std::vector<board_rows> boards{};
  std::set<std::uint16_t> refused{};  // taken numbers, told once each

  void report(std::size_t line, std::string message) { table.report(line, std::move(message)); }
};

// A number that a built-in board or an earlier file has is refused once,
// on its first line.
bool is_free(file_reader& reader, std::uint16_t number, std::size_t line) {
  const loaded_board* loaded = find_loaded_board(reader.known, number);
  if (loaded == nullptr && find_board(reader.known, number) == nullptr) return true;
  if (!reader.refused.insert(number).second) return false;
  const std::string text = std::to_string(number);
  if (loaded == nullptr)
    reader.report(line, "board: " + text + " is a built-in board");
  else
    reader.report(line, "board " + text + " is already loaded from " + loaded->file);
  return false;
}

board_rows& rows_of(file_reader& reader, std::uint16_t number, std::size_t line) {
  for (board_rows& board : reader.boards)
    if (board.number == number) return board;
  board_rows& board = reader.boards.emplace_back();
  board.number = number;
  board.first_line = line;
  return board;
}

void add_board_row(file_reader& reader, board_rows& board, const board_file_row& row,
                   std::size_t line) {
  if (board.board_line != 0) {
    return reader.report(line, "package: expected one row with the package of board " +
                                   std::to_string(board.number) + ", found another on line " +
                                   std::to_string(board.board_line));
  }
  board.board_line = line;
  board.package = row.package;
  board.prefix = row.prefix;
}

void add_connector_row(file_reader& reader, board_rows& board, const board_file_row& row,
                       std::size_t line) {
  std::size_t& taken = board.lines[row.slot][row.position];
  if (taken != 0) {
    return reader.report(line, "position: expected each position once in slot " +
                                   std::to_string(row.slot) + ", found " +
                                   std::to_string(row.position) + " also on line " +
                                   std::to_string(taken));
  }
  taken = line;
  board.wirings[row.slot][row.position] = row.pin.loc;
}

// Rows past the most signals a board has are not kept: the file is refused
// at the first of them, and a file of millions takes no memory for them.
void add_signal_row(file_reader& reader, board_rows& board, const board_file_row& row,
                    std::size_t line) {
  const std::size_t most = static_cast<std::size_t>(board_signal_counts.last);
  if (board.signals.size() == most && board.excess_line == 0) {
    board.excess_line = line;
    reader.report(line, "signal: expected " + range_text(board_signal_counts) +
                            " board signals, found more from this row on");
  }
  if (board.signals.size() == most) return;
  board.signals.push_back(row.pin);
  board.signal_lines.push_back(line);
}

void add_row(file_reader& reader, const board_file_row& row, std::size_t line) {
  if (!is_free(reader, row.board, line)) return;
  board_rows& board = rows_of(reader, row.board, line);
  switch (row.kind) {
    case board_row_kind::board:
      return add_board_row(reader, board, row, line);
    case board_row_kind::connector:
      return add_connector_row(reader, board, row, line);
    case board_row_kind::signal:
      return add_signal_row(reader, board, row, line);
  }
}

void read_row(file_reader& reader, table_row texts, std::size_t line) {
  std::array<std::string_view, board_file_column_count> fields;
  for (std::size_t c = 0; c < fields.size(); ++c) fields[c] = texts[c];
  std::vector<std::string> problems;
  const std::optional<board_file_row> row = read_board_file_row(fields, problems);
  for (std::string& problem : problems) reader.report(line, std::move(problem));
  if (row) add_row(reader, *row, line);
}

// The slots from 0 to the highest with a row; each needs rows of its own.
std::vector<slot_wiring> slot_wirings(file_reader& reader, const board_rows& rows,
                                      std::size_t line) {
  std::size_t count = 0;
  for (std::size_t s = 0; s < max_slots; ++s)
    for (int p = first_position; p <= last_position; ++p)
      if (rows.lines[s][p] != 0) count = s + 1;
  std::vector<slot_wiring> wirings;
  for (std::size_t s = 0; s < count; ++s) {
    const auto& lines = rows.lines[s].entries;
    if (std::all_of(lines.begin(), lines.end(), [](std::size_t at) { return at == 0; }))
      reader.report(line, "slot: expected rows for every slot from 0 to " +
                              std::to_string(count - 1) + ", found none for slot " +
                              std::to_string(s));
    slot_wiring& wiring = wirings.emplace_back();
    for (int p = first_position; p <= last_position; ++p)
      wiring[p] = rows.lines[s][p] != 0 ? rows.wirings[s][p] : loc_text("0");
  }
  return wirings;
}

// The board, checked: each problem on the line of the row it lies on, a
// problem of the whole board on its row with the package.
std::unique_ptr<const loaded_board> build_board(file_reader& reader, const board_rows& rows) {
  const std::size_t line = rows.board_line != 0 ? rows.board_line : rows.first_line;
  auto board = std::make_unique<loaded_board>(rows.number, reader.file_name);
  board->set_tables(std::string(rows.prefix), rows.package, slot_wirings(reader, rows, line),
                    rows.signals);
  for (const board_problem& problem : check_board(board->entry)) {
    std::size_t at = line;
    if (problem.signal != board_problem::whole_board)
      at = rows.signal_lines[problem.signal];
    else if (problem.position != 0)
      at = rows.lines[problem.slot][problem.position];
    reader.report(at, problem.message);
  }
  return board;
}

}  // namespace

board_file read_board_file(std::string_view text, const std::string& file_name,
                           const run_catalogue& known) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's UTF-8 mark
  file_reader reader{file_name, known, csv_table(text)};
  board_file file;
  const auto row = [&reader](table_row fields, std::size_t line) {
    read_row(reader, fields, line);
  };
  if (read_table(reader.table, board_file_columns, row) && !told_in_part(reader.table))
    for (const board_rows& rows : reader.boards) file.boards.push_back(build_board(reader, rows));
  file.problems = problems_in_line_order(reader.table);
  if (!file.problems.empty()) file.boards.clear();
  return file;
}

}  // namespace hbpins
