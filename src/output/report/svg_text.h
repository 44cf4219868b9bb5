#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// The pieces of an SVG drawing, each appended to the drawing's text where it
// is made.

// The outline of a pin, or of the package, as an SVG element without its
// colours: a circle round x and y with the radius in width, or a rectangle
// with its top left at x and y.
struct svg_shape {
  bool is_circle;
  int x, y, width, height;
};

// "circle cx=... cy=... r=..." or "rect x=... y=... width=... height=...".
void append_shape(std::string& svg, const svg_shape& s);

// The text with &, <, > and " escaped, for element text and attribute values.
void append_xml_text(std::string& svg, std::string_view text);
void append_number(std::string& svg, int value);

// ' name="value"'; the names are short words.
void append_attribute(std::string& svg, std::string_view name, int value);

// A text element placed by the enclosing group's anchor; y is the baseline.
void append_text(std::string& svg, int x, int y, std::string_view content);
void append_text(std::string& svg, int x, int y, int content);

}  // namespace hbpins
