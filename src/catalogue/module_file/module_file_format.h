#pragma once

// The module file: the columns its header names, the words of its
// direction and standard columns, both ways, and how it writes numbers.
// The reader and the -x writer both take them from here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/pin_records.h"
#include "catalogue/text/csv_table.h"
#include "catalogue/text/decimal_field.h"

namespace hbpins {

enum module_file_column : std::size_t {
  module_column,
  variant_column,
  position_column,
  signal_column,
  direction_column,
  standard_column,
  module_file_column_count
};

// A file without a required column is refused; empty fields of the others
// mean 0 and LVTTL.
inline constexpr std::array<column_entry, module_file_column_count> module_file_columns = {{
    {"module", true},
    {"variant", false},
    {"position", true},
    {"signal", true},
    {"direction", true},
    {"standard", false},
}};

// The header line -x writes: every column, in the order above.
std::string module_file_header();

// A row's direction by the words of its direction and standard columns.
// Which half of an LVDS pair a row is follows from its position: the p half
// on the odd one, as the two-column listing pairs them.
struct module_file_direction {
  std::string_view direction_word;
  std::string_view standard_word;
  direction on_odd;
  direction on_even;
};
inline constexpr module_file_direction module_file_directions[] = {
    {"in", "LVTTL", direction::se_in, direction::se_in},
    {"out", "LVTTL", direction::se_out, direction::se_out},
    {"inout", "LVTTL", direction::se_bidir, direction::se_bidir},
    {"in", "LVDS_25", direction::lvds_in_p, direction::lvds_in_n},
    {"out", "LVDS_25", direction::lvds_out_p, direction::lvds_out_n},
};
// An empty standard field, or no standard column.
inline constexpr std::string_view default_standard = "LVTTL";

// The words a direction is written with; nothing for one no module file
// holds (a pull resistor, or no signal).
std::optional<module_file_direction> words_of(direction dir);

// A word of the direction or the standard column, written in any case, as
// the table spells it; empty for no such word.
std::string_view direction_word(std::string_view written);
std::string_view standard_word(std::string_view written);

// The entry of a direction word and a standard word as the table spells
// them; nothing for a pair that no module file holds.
std::optional<module_file_direction> direction_of_words(std::string_view direction_word,
                                                        std::string_view standard_word);

// "in, out or inout", "LVTTL or LVDS_25": the words as messages list them.
std::string direction_word_list();
std::string standard_word_list();

// Numbers are written in decimal without leading zeros (decimal_field.h),
// as -x writes them: the module, variant and position columns here, and the
// bit of a signal name (is_module_signal_name) alike.

}  // namespace hbpins
