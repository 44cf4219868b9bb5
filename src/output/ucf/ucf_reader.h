#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "output/ucf/ucf_format.h"
#include "output/ucf/ucf_tokens.h"

namespace hbpins {

// A NET statement that states at least one compared constraint: views into
// the text read, valid while the statement is handed on.
struct net_statement {
  std::size_t line = 0;   // where the statement begins
  std::string_view name;  // a net, or a pattern with * and ?
  // Its constraints as read, where they are few, as in every statement
  // people write; empty for a longer list, which is read again from the
  // statement's text.
  std::span<const ucf_constraint> kept;
  ucf_scanner constraints;  // the statement after its name
};

// Reads the statements of a UCF file as people write them: a UTF-8 byte
// order mark skipped, keywords in any case, names and values quoted or not,
// constraints joined with "|", "#" comments, LF, CRLF or CR line ends,
// several statements on a line. A statement ends at ";", or before a line
// that begins with a statement keyword. Calls each(statement) for the NET
// statements that state a LOC, an IOSTANDARD or a pull, in the order of the
// file, and returns the first thing that cannot be read as UCF, if any:
// the statements before it have been given. Other constraints and
// statements are read for their form only. Nothing is kept: reading takes
// no memory beyond the text, however long.
std::optional<ucf_read_error> read_ucf(std::string_view text,
                                       const std::function<void(const net_statement&)>& each);

// Reads a statement's constraints again from its text.
void read_constraints_again(const net_statement& statement,
                            const std::function<void(const ucf_constraint&)>& each);

// Calls each(constraint) for every LOC, IOSTANDARD and pull of a statement
// read_ucf gave, in the order of the statement.
template <typename Each>
void for_each_constraint(const net_statement& statement, Each each) {
  for (const ucf_constraint& constraint : statement.kept) each(constraint);
  if (statement.kept.empty()) read_constraints_again(statement, each);
}

}  // namespace hbpins
