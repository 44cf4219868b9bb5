#include "output/hdl/vhdl_names.h"

#include <algorithm>
#include <array>

namespace hbpins {

namespace {

// The reserved words of VHDL-93, which no basic identifier may be.
constexpr std::array<std::string_view, 97> reserved_words = {
    "abs",          "access",     "after",      "alias",     "all",       "and",
    "architecture", "array",      "assert",     "attribute", "begin",     "block",
    "body",         "buffer",     "bus",        "case",      "component", "configuration",
    "constant",     "disconnect", "downto",     "else",      "elsif",     "end",
    "entity",       "exit",       "file",       "for",       "function",  "generate",
    "generic",      "group",      "guarded",    "if",        "impure",    "in",
    "inertial",     "inout",      "is",         "label",     "library",   "linkage",
    "literal",      "loop",       "map",        "mod",       "nand",      "new",
    "next",         "nor",        "not",        "null",      "of",        "on",
    "open",         "or",         "others",     "out",       "package",   "port",
    "postponed",    "procedure",  "process",    "pure",      "range",     "record",
    "register",     "reject",     "rem",        "report",    "return",    "rol",
    "ror",          "select",     "severity",   "signal",    "shared",    "sla",
    "sll",          "sra",        "srl",        "subtype",   "then",      "to",
    "transport",    "type",       "unaffected", "units",     "until",     "use",
    "variable",     "wait",       "when",       "while",     "with",      "xnor",
    "xor",
};

bool is_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reserved words are made of letters only, none longer than "configuration".
bool is_reserved(std::string_view name) {
  std::array<char, 13> lower{};
  if (name.size() > lower.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (!is_letter(name[i])) return false;
    lower[i] = static_cast<char>(name[i] | 0x20);  // ASCII letters only here
  }
  const std::string_view word(lower.data(), name.size());
  return std::find(reserved_words.begin(), reserved_words.end(), word) != reserved_words.end();
}

}  // namespace

bool is_basic_identifier(std::string_view name) {
  if (name.empty() || !is_letter(name.front()) || name.back() == '_') return false;
  for (std::size_t i = 1; i < name.size(); ++i) {
    const char c = name[i];
    const bool digit = c >= '0' && c <= '9';
    if (!is_letter(c) && !digit && (c != '_' || name[i - 1] == '_')) return false;
  }
  return !is_reserved(name);
}

void append_vhdl_name(std::string& text, std::string_view name) {
  if (is_basic_identifier(name)) {
    text += name;
    return;
  }
  // An extended identifier doubles each backslash inside it.
  text += '\\';
  for (char c : name) {
    text += c;
    if (c == '\\') text += c;
  }
  text += '\\';
}

}  // namespace hbpins
