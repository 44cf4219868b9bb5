#include "catalogue/module_check.h"

#include "catalogue/direction_table.h"
#include "catalogue/signal_families.h"
#include "catalogue/signal_names.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

bool is_lvds_n(direction dir) {
  return dir == direction::lvds_in_n || dir == direction::lvds_out_n;
}

// Pull resistors are set on the board's side, never by a module.
bool is_module_direction(direction dir) {
  return direction_info(dir).pull.empty();
}

struct variant_check {
  std::size_t variant;
  const module_pin_table& table;
  std::vector<module_problem>& problems;

  void report(int position, std::string message) const {
    problems.push_back({variant, position, std::move(message)});
  }
  const qm_pin_row_type* row_at(int position) const {
    const int k = position - table.first_position;
    if (k < 0 || k >= static_cast<int>(table.rows.size())) return nullptr;
    return &table.rows[static_cast<std::size_t>(k)];
  }
};

// With its "QMn_" prefix a module's name is a VHDL port as it stands, and
// the UCF file names the same net: no two underscores in a row and none at
// the end, which would make the port an extended identifier.
bool is_plain_with_prefix(std::string_view name) {
  const std::string_view port = name.substr(0, name.find('<'));
  return port.find("__") == std::string_view::npos && !port.ends_with('_');
}

void check_row_name(const variant_check& check, int position, const qm_pin_row_type& row,
                    signal_families& families) {
  const std::string_view name = row.name.view();
  const std::string_view fault = module_signal_name_fault(name);
  if (name == "NC") {
    check.report(position, "signal: expected a name other than NC, which marks no signal");
  } else if (!fault.empty()) {
    check.report(position, std::string(fault) + quoted(name));
  } else if (!is_plain_with_prefix(name)) {
    check.report(
        position,
        "signal: expected no two underscores in a row and none at the end, found " + quoted(name));
  } else if (std::string problem =
                 add_signal(families, name, row.dir, "position " + std::to_string(position));
             !problem.empty()) {
    check.report(position, std::move(problem));
  }
}

// An LVDS pair shares a line of the two-column listing: p on the odd
// position, n on the even one after it.
void check_pair(const variant_check& check, int position, direction dir) {
  const bool odd = position % 2 == 1;
  if (odd != is_lvds_p(dir)) {
    check.report(position,
                 "standard: expected the p half of an LVDS_25 pair on an odd position, the n "
                 "half on an even one");
    return;
  }
  const int partner = odd ? position + 1 : position - 1;
  const qm_pin_row_type* other = check.row_at(partner);
  if (other == nullptr || (odd ? !is_lvds_n(other->dir) : !is_lvds_p(other->dir))) {
    check.report(position, std::string("standard: expected the ") + (odd ? "n" : "p") +
                               " half of this LVDS_25 pair on position " + std::to_string(partner));
  } else if (!odd && direction_info(other->dir).mode != direction_info(dir).mode) {
    check.report(position, "direction: expected " +
                               std::string(mode_name(direction_info(other->dir).mode)) +
                               ", as the p half on position " + std::to_string(partner) +
                               ", found " + std::string(mode_name(direction_info(dir).mode)));
  }
}

void check_row(const variant_check& check, int position, const qm_pin_row_type& row,
               signal_families& families) {
  if (row.dir == direction::nc) {
    if (row.name.view() != "NC")
      check.report(position, "signal: expected NC on a position without a signal, found " +
                                 quoted(row.name.view()));
    return;
  }
  if (!is_module_direction(row.dir))
    check.report(position, "direction: expected in, out or inout without a pull resistor");
  check_row_name(check, position, row, families);
  if (is_lvds_p(row.dir) || is_lvds_n(row.dir)) check_pair(check, position, row.dir);
}

int first_signal(const module_pin_table& table) {
  for (std::size_t k = 0; k < table.rows.size(); ++k)
    if (table.rows[k].dir != direction::nc) return table.first_position + static_cast<int>(k);
  return 0;
}

void check_variant(const variant_check& check) {
  const module_pin_table& table = check.table;
  const int last = table.first_position + static_cast<int>(table.rows.size()) - 1;
  // An empty table (last before first) lies within the positions.
  if (table.first_position < first_position || last > last_position) {
    check.report(0, "position: expected positions " + range_text(connector_positions) +
                        ", found a table from " + std::to_string(table.first_position) + " to " +
                        std::to_string(last));
  }
  signal_families families;
  for (std::size_t k = 0; k < table.rows.size(); ++k)
    check_row(check, table.first_position + static_cast<int>(k), table.rows[k], families);
}

// A module with two variants: 0 is the plain build, 1 the modified one.
void check_variants_present(const module_entry& module, std::vector<module_problem>& problems) {
  const std::string name = "module " + std::to_string(module.number) + ": ";
  for (std::size_t v = 0; v < module.variants.size(); ++v) {
    if (first_signal(module.variants[v]) != 0) continue;
    const int other = module.variants.size() == 2 ? first_signal(module.variants[1 - v]) : 0;
    if (v == 0 && other != 0)
      problems.push_back({1, other, name + "variant 1 has rows, variant 0 has none"});
    else
      problems.push_back({v, 0, name + "variant " + std::to_string(v) + " has no rows"});
  }
}

}  // namespace

std::vector<module_problem> check_module(const module_entry& module) {
  std::vector<module_problem> problems;
  check_variants_present(module, problems);
  for (std::size_t v = 0; v < module.variants.size(); ++v)
    check_variant({v, module.variants[v], problems});
  return problems;
}

}  // namespace hbpins
