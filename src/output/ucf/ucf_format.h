#pragma once

// The constraints file: the keywords that begin its statements, and the
// constraints of a NET statement that hbpins writes and compares.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hbpins {

inline constexpr std::string_view statement_keywords[] = {
    "NET", "INST", "PIN", "TIMESPEC", "TIMEGRP", "CONFIG", "AREA_GROUP"};

enum class constraint_kind : std::uint8_t { location, standard, pull };

// A constraint that -k compares: LOC and IOSTANDARD take "= value"; a pull
// resistor is its keyword alone and stands for the direction table's word.
struct compared_constraint {
  std::string_view keyword;
  constraint_kind kind;
  std::string_view pull;  // "up" or "down" for a pull, empty for the others
};
inline constexpr compared_constraint compared_constraints[] = {
    {"LOC", constraint_kind::location, {}},
    {"IOSTANDARD", constraint_kind::standard, {}},
    {"PULLUP", constraint_kind::pull, "up"},
    {"PULLDOWN", constraint_kind::pull, "down"},
};

// The keyword of a pull ("up" or "down"); empty for no pull.
constexpr std::string_view pull_keyword(std::string_view pull) {
  for (const compared_constraint& constraint : compared_constraints)
    if (constraint.kind == constraint_kind::pull && constraint.pull == pull)
      return constraint.keyword;
  return {};
}

// One compared constraint as a statement states it: the value of a LOC or
// an IOSTANDARD as written, a view into the file's text; "up" or "down"
// for a pull.
struct ucf_constraint {
  constraint_kind kind = constraint_kind::location;
  std::string_view value;
};

}  // namespace hbpins
