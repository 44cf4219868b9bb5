#include "output/ucf/ucf_reader.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

constexpr std::string_view statement_keywords[] = {"NET",     "INST",   "PIN",       "TIMESPEC",
                                                   "TIMEGRP", "CONFIG", "AREA_GROUP"};

enum class token_kind { word, quoted, equals, bar, semicolon, end };

struct token {
  token_kind kind = token_kind::end;
  std::string_view text;  // a quoted token without its quotes
  std::size_t line = 0;
  bool starts_line = false;
};

struct scanner {
  std::string_view text;
  std::size_t at = 0;
  std::size_t line = 1;
  std::size_t last_token_line = 0;
};

[[noreturn]] void fail(std::size_t line, std::string message) {
  throw ucf_read_error{line, std::move(message)};
}

// What a byte is to the scanner. Control characters other than tab, line
// feed and carriage return do not occur in a text file; bytes from 128 on
// may be UTF-8, in a comment or a name. A carriage return is a blank, so
// that CRLF ends a line like LF.
enum class char_class : std::uint8_t { word, blank, line_end, comment, quote, single, binary };

constexpr std::array<char_class, 256> char_classes = [] {
  std::array<char_class, 256> classes{};
  for (std::size_t c = 0; c < 0x20; ++c) classes[c] = char_class::binary;
  classes[0x7f] = char_class::binary;
  classes['\t'] = classes[' '] = classes['\r'] = char_class::blank;
  classes['\n'] = char_class::line_end;
  classes['#'] = char_class::comment;
  classes['"'] = char_class::quote;
  classes[';'] = classes['='] = classes['|'] = char_class::single;
  return classes;
}();

char_class class_of(char c) {
  return char_classes[static_cast<unsigned char>(c)];
}

[[noreturn]] void fail_binary(const scanner& s, char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
  fail(s.line, std::string("not a text file: byte ") + hex);
}

void check_text(const scanner& s, char c) {
  if (class_of(c) == char_class::binary) fail_binary(s, c);
}

// Skips blanks, line ends and comments; false at the end of the text.
bool skip_space(scanner& s) {
  for (; s.at < s.text.size(); ++s.at) {
    const char c = s.text[s.at];
    switch (class_of(c)) {
      case char_class::blank:
        break;
      case char_class::line_end:
        ++s.line;
        break;
      case char_class::comment:
        while (s.at + 1 < s.text.size() && s.text[s.at + 1] != '\n') check_text(s, s.text[++s.at]);
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
std::string_view quoted_text(scanner& s) {
  const std::size_t start = ++s.at;
  for (; s.at < s.text.size(); ++s.at) {
    const char_class what = class_of(s.text[s.at]);
    if (what == char_class::quote) return s.text.substr(start, s.at++ - start);
    if (what == char_class::line_end) break;
    check_text(s, s.text[s.at]);
  }
  fail(s.line, "a quote that does not end on its line");
}

token next_token(scanner& s) {
  if (!skip_space(s)) return {token_kind::end, {}, s.line, true};
  token t{token_kind::word, {}, s.line, s.line != s.last_token_line};
  s.last_token_line = s.line;
  const char c = s.text[s.at];
  if (c == '"') {
    t.kind = token_kind::quoted;
    t.text = quoted_text(s);
    return t;
  }
  if (class_of(c) == char_class::single) {
    t.kind = c == '=' ? token_kind::equals : c == '|' ? token_kind::bar : token_kind::semicolon;
    t.text = s.text.substr(s.at++, 1);
    return t;
  }
  const std::size_t start = s.at;
  while (s.at < s.text.size() && class_of(s.text[s.at]) == char_class::word) ++s.at;
  t.text = s.text.substr(start, s.at - start);
  return t;
}

bool is_keyword(const token& t, std::string_view keyword) {
  return t.kind == token_kind::word && equal_in_any_case(t.text, keyword);
}

bool is_statement_keyword(const token& t) {
  for (std::string_view keyword : statement_keywords)
    if (is_keyword(t, keyword)) return true;
  return false;
}

bool is_value(const token& t) {
  return t.kind == token_kind::word || t.kind == token_kind::quoted;
}

// The tokens of one NET statement, read constraint by constraint.
struct net_tokens {
  const std::vector<token>& tokens;
  net_statement& net;
  std::size_t at = 2;  // after NET and the name
};

// KEYWORD = value
std::string_view value_of(net_tokens& n, std::string_view keyword) {
  const std::vector<token>& tokens = n.tokens;
  const std::size_t key = n.at;
  if (key + 2 >= tokens.size() || tokens[key + 1].kind != token_kind::equals ||
      !is_value(tokens[key + 2]))
    fail(tokens[key].line,
         std::string(n.net.name) + ": " + std::string(keyword) + " without a value");
  n.at += 3;
  return tokens[key + 2].text;
}

// A compared constraint ends at "|" or at the end of the statement.
void end_compared(const net_tokens& n, std::string_view keyword) {
  if (n.at == n.tokens.size() || n.tokens[n.at].kind == token_kind::bar) return;
  fail(n.tokens[n.at].line, std::string(n.net.name) + ": | or ; expected after " +
                                std::string(keyword) + ", not " + quoted(n.tokens[n.at].text));
}

// One constraint: LOC, IOSTANDARD and the pulls are taken, any other one
// (TNM_NET, PERIOD, SLEW, ...) is passed over up to the next "|".
void read_constraint(net_tokens& n) {
  const token& key = n.tokens[n.at];
  if (key.kind == token_kind::bar) {
    ++n.at;
    return;
  }
  if (key.kind != token_kind::word)
    fail(key.line, std::string(n.net.name) + ": a constraint expected, not " + quoted(key.text));
  if (is_keyword(key, "LOC")) {
    n.net.location = value_of(n, "LOC");
    return end_compared(n, "LOC");
  }
  if (is_keyword(key, "IOSTANDARD")) {
    n.net.standard = value_of(n, "IOSTANDARD");
    return end_compared(n, "IOSTANDARD");
  }
  for (const pull_constraint& pull : pull_constraints)
    if (is_keyword(key, pull.keyword)) {
      n.net.pull = pull.pull;
      ++n.at;
      return end_compared(n, pull.keyword);
    }
  while (n.at < n.tokens.size() && n.tokens[n.at].kind != token_kind::bar) ++n.at;
}

void read_net(const std::vector<token>& tokens, std::vector<net_statement>& nets) {
  if (tokens.size() < 2 || !is_value(tokens[1]) || tokens[1].text.empty())
    fail(tokens[0].line, "NET without a name");
  net_statement net{tokens[0].line, tokens[1].text, {}, {}, {}};
  net_tokens n{tokens, net};
  while (n.at < tokens.size()) read_constraint(n);
  if (net.location || net.standard || !net.pull.empty()) nets.push_back(net);
}

// Statements other than NET are read for their form only.
void finish_statement(const std::vector<token>& tokens, std::vector<net_statement>& nets) {
  if (!tokens.empty() && is_keyword(tokens[0], "NET")) read_net(tokens, nets);
}

}  // namespace

ucf_reading read_ucf(std::string_view text) {
  ucf_reading reading;
  // Room for a statement per line of the length hbpins writes spares the
  // copies of a growing list on large files.
  reading.nets.reserve(text.size() / 64);
  scanner s{text};
  std::vector<token> statement;
  try {
    for (token t = next_token(s);; t = next_token(s)) {
      const bool begins = t.starts_line && is_statement_keyword(t);
      if (t.kind == token_kind::end || t.kind == token_kind::semicolon || begins) {
        finish_statement(statement, reading.nets);
        statement.clear();
      }
      if (t.kind == token_kind::end) break;
      if (t.kind == token_kind::semicolon) continue;
      if (statement.empty() && !is_statement_keyword(t))
        fail(t.line, "NET, INST, PIN, TIMESPEC, TIMEGRP, CONFIG or AREA_GROUP expected, not " +
                         quoted(t.text));
      statement.push_back(t);
    }
  } catch (ucf_read_error& error) {
    reading.error = std::move(error);
  }
  return reading;
}

}  // namespace hbpins
