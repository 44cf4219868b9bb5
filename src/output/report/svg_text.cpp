#include "output/report/svg_text.h"

#include <algorithm>
#include <charconv>

#include "catalogue/text/escaped_text.h"

namespace hbpins {

namespace {

// The text of an XML escape, or empty for a character that needs none.
std::string_view xml_escape(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return {};
  }
}

void open_text(std::string& svg, int x, int y) {
  svg += "<text";
  append_attribute(svg, "x", x);
  append_attribute(svg, "y", y);
  svg += '>';
}

}  // namespace

void append_shape(std::string& svg, const svg_shape& s) {
  if (s.is_circle) {
    svg += "circle";
    append_attribute(svg, "cx", s.x);
    append_attribute(svg, "cy", s.y);
    append_attribute(svg, "r", s.width);
    return;
  }
  svg += "rect";
  append_attribute(svg, "x", s.x);
  append_attribute(svg, "y", s.y);
  append_attribute(svg, "width", s.width);
  append_attribute(svg, "height", s.height);
}

void append_xml_text(std::string& svg, std::string_view text) {
  append_escaped(
      svg, text, [](char c) { return !xml_escape(c).empty(); },
      [](std::string& to, char c) { to += xml_escape(c); });
}

void append_number(std::string& svg, int value) {
  char digits[12];
  svg.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Made in one piece, which is cheaper than four appends.
void append_attribute(std::string& svg, std::string_view name, int value) {
  char piece[48];
  piece[0] = ' ';
  char* end = std::copy(name.begin(), name.end(), piece + 1);
  end = std::copy_n("=\"", 2, end);
  end = std::to_chars(end, piece + sizeof piece - 1, value).ptr;
  *end++ = '"';
  svg.append(piece, end);
}

void append_text(std::string& svg, int x, int y, std::string_view content) {
  open_text(svg, x, y);
  append_xml_text(svg, content);
  svg += "</text>\n";
}

void append_text(std::string& svg, int x, int y, int content) {
  open_text(svg, x, y);
  append_number(svg, content);
  svg += "</text>\n";
}

}  // namespace hbpins
