#pragma once

#include <istream>
#include <ostream>

#include "assembly/pin_list.h"

namespace hbpins {

// Copies the template to out line by line, each line ended by a line feed.
// A line holding "-- QM_BEGIN" is replaced by the slot port declarations, one
// holding "-- QM_MAP_BEGIN" by the slot port map, and lines holding "-- QM_END"
// or "-- QM_MAP_END" are dropped. Name-check messages go to messages. A read
// failure is left in tmpl's state; write failures come from out.
void merge_template(const pin_list& pins, std::istream& tmpl, std::ostream& out,
                    std::ostream& messages);

}  // namespace hbpins
