#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hbpins {

// The first thing in a file that cannot be read as UCF, and its line.
struct ucf_read_error {
  std::size_t line = 0;
  std::string message;
};

enum class token_kind { word, quoted, equals, bar, semicolon, end };

struct ucf_token {
  token_kind kind = token_kind::end;
  std::string_view text;  // a quoted token without its quotes
  std::size_t start = 0;  // where it begins in the text, at its opening quote
  std::size_t line = 0;
  bool starts_line = false;  // the first token on its line
};

// Where the scanner stands in the text of a UCF file.
struct ucf_scanner {
  std::string_view text;
  std::size_t at = 0;
  std::size_t line = 1;
  std::size_t last_token_line = 0;
};

// The next token, past blanks, line ends (LF, CRLF or a lone CR) and "#"
// comments; an end token at the end of the text. Throws ucf_read_error for
// a byte no text file holds (control characters other than tab and the
// line ends) and for a quote that does not end on its line.
ucf_token next_token(ucf_scanner& scanner);

bool is_keyword(const ucf_token& token, std::string_view keyword);
bool is_statement_keyword(const ucf_token& token);
// A name or a value: a word or a quoted text.
bool is_value(const ucf_token& token);
// The token in double quotes, as messages show it.
std::string shown(const ucf_token& token);

}  // namespace hbpins
