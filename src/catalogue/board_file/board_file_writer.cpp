#include "catalogue/board_file/board_file_writer.h"

#include <string>

#include "catalogue/board_file/board_file_fields.h"
#include "catalogue/direction_table.h"

namespace hbpins {

namespace {

using board_file_fields = std::array<std::string, board_file_column_count>;

// The fields of a row by column, joined; none needs quotes, as a board
// that passes the check names its signals and locations with letters,
// digits, underscores and a bit in angle brackets.
void append_row(std::string& text, const board_file_fields& row) {
  for (std::size_t c = 0; c < row.size(); ++c) text.append(c == 0 ? "" : ",").append(row[c]);
  text += '\n';
}

board_file_fields row_of(const board_entry& board) {
  board_file_fields row;
  row[board_column] = std::to_string(board.number);
  return row;
}

void append_connectors(std::string& text, const board_entry& board) {
  for (std::size_t s = 0; s < board.connectors.size(); ++s) {
    for (int p = first_position; p <= last_position; ++p) {
      const std::string_view location = board.connectors[s][p].view();
      board_file_fields row = row_of(board);
      row[slot_column] = std::to_string(s);
      row[position_column] = std::to_string(p);
      row[location_column] = location == "0" ? std::string_view() : location;
      append_row(text, row);
    }
  }
}

void append_signals(std::string& text, const board_entry& board) {
  for (std::span<const pin_type> table : board.signal_tables) {
    for (const pin_type& signal : table) {
      const direction_entry& dir = direction_info(signal.dir);
      board_file_fields row = row_of(board);
      row[signal_column] = signal.name.view();
      row[location_column] = signal.loc.view();
      row[direction_column] = mode_name(dir.mode);
      row[standard_column] = dir.standard;
      row[pull_column] = dir.pull;
      append_row(text, row);
    }
  }
}

}  // namespace

void write_board_file(std::ostream& out, const board_entry& board) {
  board_file_fields row;
  for (std::size_t c = 0; c < row.size(); ++c) row[c] = board_file_columns[c].name;
  std::string text;
  append_row(text, row);
  row = row_of(board);
  row[package_column] = package_text(board.package);
  row[prefix_column] = board.location_prefix;
  append_row(text, row);
  append_connectors(text, board);
  append_signals(text, board);
  out << text;
}

}  // namespace hbpins
