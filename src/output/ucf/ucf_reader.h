#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "output/ucf/ucf_format.h"
#include "output/ucf/ucf_tokens.h"

namespace hbpins {

// The NET statements of a UCF file that state a compared constraint, in the
// order of the file: views into the text read, and into the constraints
// kept here. Moved, never copied, so that the statements keep seeing their
// own constraints.
struct ucf_reading {
  ucf_reading() = default;
  ucf_reading(ucf_reading&&) = default;
  ucf_reading& operator=(ucf_reading&&) = default;
  ucf_reading(const ucf_reading&) = delete;
  ucf_reading& operator=(const ucf_reading&) = delete;

  std::vector<net_statement> nets;
  std::vector<ucf_constraint> constraints;  // those of the nets, one statement after the other
  std::optional<ucf_read_error> error;      // the statements stop before it
};

// Reads the statements of a UCF file as people write them: a UTF-8 byte
// order mark skipped, keywords in any case, names and values quoted or not,
// constraints joined with "|", "#" comments, LF, CRLF or CR line ends,
// several statements on a line. A statement ends at ";", or before a line
// that begins with a statement keyword. Each LOC, IOSTANDARD, PULLUP and
// PULLDOWN of a NET statement is kept where it stands; other constraints and
// statements are read for their form only.
ucf_reading read_ucf(std::string_view text);

}  // namespace hbpins
