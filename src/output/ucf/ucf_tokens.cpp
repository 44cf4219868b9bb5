#include "output/ucf/ucf_tokens.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "catalogue/text/ascii_case.h"
#include "catalogue/text/message_text.h"
#include "output/ucf/ucf_format.h"

namespace hbpins {

namespace {

// What a byte is to the scanner. Control characters other than tab, line
// feed and carriage return do not occur in a text file; bytes from 128 on
// may be UTF-8, in a comment or a name. LF, CRLF and a lone CR each end a
// line, as editors on every system write them.
enum class char_class : std::uint8_t { word, blank, line_end, comment, quote, single, binary };

constexpr std::array<char_class, 256> char_classes = [] {
  std::array<char_class, 256> classes{};
  for (std::size_t c = 0; c < 0x20; ++c) classes[c] = char_class::binary;
  classes[0x7f] = char_class::binary;
  classes['\t'] = classes[' '] = char_class::blank;
  classes['\n'] = classes['\r'] = char_class::line_end;
  classes['#'] = char_class::comment;
  classes['"'] = char_class::quote;
  classes[';'] = classes['='] = classes['|'] = char_class::single;
  return classes;
}();

char_class class_of(char c) {
  return char_classes[static_cast<unsigned char>(c)];
}

[[noreturn]] void fail_binary(const ucf_scanner& s, char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
  throw ucf_read_error{s.line, std::string("not a text file: byte ") + hex};
}

void check_text(const ucf_scanner& s, char c) {
  if (class_of(c) == char_class::binary) fail_binary(s, c);
}

// At a line end: passes CR and LF together as one.
void take_line_end(ucf_scanner& s) {
  if (s.text[s.at] == '\r' && s.at + 1 < s.text.size() && s.text[s.at + 1] == '\n') ++s.at;
  ++s.line;
}

// Skips blanks, line ends and comments; false at the end of the text.
bool skip_space(ucf_scanner& s) {
  for (; s.at < s.text.size(); ++s.at) {
    const char c = s.text[s.at];
    switch (class_of(c)) {
      case char_class::blank:
        break;
      case char_class::line_end:
        take_line_end(s);
        break;
      case char_class::comment:
        while (s.at + 1 < s.text.size() && class_of(s.text[s.at + 1]) != char_class::line_end)
          check_text(s, s.text[++s.at]);
        break;
      case char_class::binary:
        fail_binary(s, c);
      default:
        return true;
    }
  }
  return false;
}

// Text up to the closing quote, which must stand on the same line.
std::string_view quoted_text(ucf_scanner& s) {
  const std::size_t start = ++s.at;
  for (; s.at < s.text.size(); ++s.at) {
    const char_class what = class_of(s.text[s.at]);
    if (what == char_class::quote) return s.text.substr(start, s.at++ - start);
    if (what == char_class::line_end) break;
    check_text(s, s.text[s.at]);
  }
  throw ucf_read_error{s.line, "a quote that does not end on its line"};
}

token_kind single_kind(char c) {
  return c == '=' ? token_kind::equals : c == '|' ? token_kind::bar : token_kind::semicolon;
}

}  // namespace

ucf_token next_token(ucf_scanner& s) {
  if (!skip_space(s)) return {token_kind::end, {}, s.text.size(), s.line, true};
  ucf_token t{token_kind::word, {}, s.at, s.line, s.line != s.last_token_line};
  s.last_token_line = s.line;
  const char c = s.text[s.at];
  if (c == '"') {
    t.kind = token_kind::quoted;
    t.text = quoted_text(s);
  } else if (class_of(c) == char_class::single) {
    t.kind = single_kind(c);
    t.text = s.text.substr(s.at++, 1);
  } else {
    const std::size_t start = s.at;
    while (s.at < s.text.size() && class_of(s.text[s.at]) == char_class::word) ++s.at;
    t.text = s.text.substr(start, s.at - start);
  }
  return t;
}

bool is_keyword(const ucf_token& t, std::string_view keyword) {
  return t.kind == token_kind::word && equal_in_any_case(t.text, keyword);
}

bool is_statement_keyword(const ucf_token& t) {
  for (std::string_view keyword : statement_keywords)
    if (is_keyword(t, keyword)) return true;
  return false;
}

bool is_value(const ucf_token& t) {
  return t.kind == token_kind::word || t.kind == token_kind::quoted;
}

std::string shown(const ucf_token& t) {
  return quoted(t.text);
}

}  // namespace hbpins
