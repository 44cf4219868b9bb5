#include "output/hdl/port_lines.h"

#include <charconv>

#include "catalogue/text/write_text.h"

namespace hbpins {

void pad_from(std::string& line, std::size_t start, std::size_t width) {
  const std::size_t length = line.size() - start;
  line.append(length < width ? width - length : 1, ' ');
}

void append_bound(std::string& line, std::int16_t value) {
  char digits[8];
  char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  if (end - digits < 2) line += ' ';
  line.append(digits, end);
}

void write_port_lines(const port_list& list, std::ostream& out,
                      void (*append_line)(std::string& text, const vhdl_port& port)) {
  std::string text;
  for (const vhdl_port& port : list.ports) append_line(text, port);
  write_text(out, text);
}

}  // namespace hbpins
