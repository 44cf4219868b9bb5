#pragma once

#include <string>
#include <string_view>

#include "assembly/pin_list.h"

namespace hbpins {

// The word the pin reports use for a group: "HB710" for the board's own
// signals; "QM735-1" for the second pin table of a module that has two.
std::string module_label(const pin_list& pins, const pin_group& group);

}  // namespace hbpins
