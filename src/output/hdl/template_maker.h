#pragma once

#include <string>

#include "catalogue/board_catalogue.h"
#include "output/hdl/hdl_language.h"

namespace hbpins {

// The default template of a board, made from its catalogue entry: a top
// (hb<nr>_top) that declares the board's own signals after the QM_BEGIN
// markers and instantiates hb<nr>_core, connecting them after the
// QM_MAP_BEGIN marker. The build writes the built-in boards' templates with
// it; a board known only at run time gets its template here as well.
std::string make_default_template(const board_entry& board, hdl_language language);

}  // namespace hbpins
