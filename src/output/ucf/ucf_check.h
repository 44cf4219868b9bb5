#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string_view>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "output/ucf/ucf_tokens.h"

namespace hbpins {

struct ucf_check {
  std::size_t differences = 0;
  std::optional<ucf_read_error> error;  // the text is no UCF: nothing was written
};

// Compares the NET statements of `text`, the UCF file `file`, with the
// assembled board (its pins, and the signals on each location) and writes
// one line per difference, in the order of the file, then the nets the file
// does not place, then a summary line. Each constraint of a statement is
// compared; a statement that gives one kind of constraint two values is
// told as well. The text is read twice, first for what the whole file says
// of each net, and kept nowhere else.
ucf_check check_ucf(const pin_list& pins, const pin_uses& uses, std::string_view text,
                    std::string_view file, std::ostream& out);

}  // namespace hbpins
