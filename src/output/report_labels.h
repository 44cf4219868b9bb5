#pragma once

#include <string>
#include <string_view>

#include "assembly/pin_list.h"

namespace hbpins {

// The words the pin reports use for a group and a direction.

// "HB710" for the board's own signals; "QM735-1" for the second pin table
// of a module that has two.
std::string module_label(const pin_list& pins, const pin_group& group);

// "in", "out" or "inout": the VHDL port mode.
std::string_view mode_word(vhdl_dir mode);

}  // namespace hbpins
