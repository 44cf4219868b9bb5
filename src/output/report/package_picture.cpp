#include "output/report/package_picture.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/package_pins.h"
#include "catalogue/text/write_text.h"
#include "output/report/report_labels.h"
#include "output/report/svg_text.h"

namespace hbpins {

namespace {

// How a pin is drawn: its fill, its outline and the mark written on it.
// The mark, the slot number or "B" for a board signal, tells the groups
// apart without colour too: printed in grey, or for a reader who sees two
// hues alike.
struct pin_look {
  std::string_view fill;
  std::string_view outline;
  int outline_width;
  std::string_view mark;
  std::string_view mark_colour;
};

// Paul Tol's "muted" scheme without its rose, which reads as the conflict
// red: eight hues that stay apart under the common colour-vision
// deficiencies, in his order, so that neighbouring slots differ most. The
// mark is white on the dark ones, black on the light ones.
struct slot_colour {
  std::string_view fill;
  std::string_view mark;
};
constexpr slot_colour slot_colours[] = {
    {"#332288", "#FFFFFF"}, {"#DDCC77", "#000000"}, {"#117733", "#FFFFFF"}, {"#88CCEE", "#000000"},
    {"#882255", "#FFFFFF"}, {"#44AA99", "#000000"}, {"#999933", "#000000"}, {"#AA4499", "#FFFFFF"}};
// A colour and a digit for every slot a board may have.
static_assert(std::size(slot_colours) == max_slots);
constexpr std::string_view slot_digits = "0123456789";
static_assert(slot_digits.size() >= max_slots);
constexpr pin_look board_look = {"#555555", "#000000", 1, "B", "#FFFFFF"};
constexpr pin_look shared_look = {"#EE0000", "#000000", 3, "!", "#FFFFFF"};
constexpr pin_look free_look = {"none", "#A0A0A0", 1, "", ""};
constexpr std::string_view package_outline = "#606060";

constexpr int margin = 16;
constexpr int heading_height = 64;
constexpr int line_height = 20;
// The legend's two columns and the heading's line need this much; a small
// package's picture is made as wide.
constexpr int min_legend_width = 560;

// The drawing as it grows, and where its legend goes. Every piece of text is
// appended to the drawing where it is made.
struct picture {
  const pin_list& pins;
  const pin_uses& uses;
  std::vector<std::string> labels{};  // module_label of each group
  std::string body{};
  std::string location{};  // of the pin being drawn
  int free_pins = 0;
  int width = 0;
  int height = 0;
  int legend_x = 0;
  int legend_y = 0;
  int legend_width = 0;
  std::string description{};  // the package, under the heading (SVG text)
  std::string_view marks{};   // a group setting the font of the pins' marks
  svg_shape swatch{};         // a pin in the legend
};

// The package itself, in its light grey, outlined.
void append_package(std::string& svg, const svg_shape& s, std::string_view corner) {
  svg += '<';
  append_shape(svg, s);
  svg.append(corner).append(" fill=\"#F4F4F4\" stroke=\"").append(package_outline) +=
      "\" stroke-width=\"2\"/>\n";
}

pin_look group_look(const pin_group& group) {
  if (group.kind == group_kind::board_signals) return board_look;
  const slot_colour& colour = slot_colours[group.slot];
  return {colour.fill, "#000000", 1, slot_digits.substr(group.slot, 1), colour.mark};
}

// A shape, with its id where it has one, in a look, its mark centred on x
// and y.
void append_drawn_pin(std::string& svg, const svg_shape& s, std::string_view id, int x, int y,
                      const pin_look& look) {
  svg += '<';
  append_shape(svg, s);
  if (!id.empty()) svg.append(" id=\"").append(id) += '"';
  svg.append(" fill=\"").append(look.fill).append("\" stroke=\"");
  svg.append(look.outline) += '"';
  if (look.outline_width != 1) append_attribute(svg, "stroke-width", look.outline_width);
  svg += "/>";
  if (look.mark.empty()) return;
  svg += "<text";
  append_attribute(svg, "x", x);
  append_attribute(svg, "y", y + 3);
  svg.append(" fill=\"").append(look.mark_colour).append("\">").append(look.mark) += "</text>";
}

std::string group_name(const pin_list& pins, const pin_group& group) {
  if (group.kind == group_kind::board_signals) return "board signals";
  std::string name = "slot " + std::to_string(group.slot) + ": ";
  if (group.kind == group_kind::empty) return name + "empty";
  name += module_label(pins, group);
  return group.kind == group_kind::general_io ? name + " (general I/O)" : name;
}

const std::string& label_of(const picture& pic, const pin_group& group) {
  return pic.labels[static_cast<std::size_t>(&group - pic.pins.groups.data())];
}

// The location, then a line per signal: "QM0_DIN<5>: slot 0, QM722,
// position 3; in, LVTTL".
void append_pin_title(picture& pic, std::span<const signal_on_pin> signals) {
  std::string& svg = pic.body;
  append_xml_text(svg, pic.location);
  if (signals.size() > 1) {
    svg += ": ";
    append_number(svg, static_cast<int>(signals.size()));
    svg += " signals on one pin";
  }
  for (const auto& [group, pin] : signals) {
    svg += '\n';
    append_xml_text(svg, pin->name);
    svg += ": ";
    if (group->kind == group_kind::board_signals) {
      svg += "board ";
      append_xml_text(svg, label_of(pic, *group));
    } else {
      svg += "slot ";
      append_number(svg, group->slot);
      svg += ", ";
      append_xml_text(svg, label_of(pic, *group));
      svg += ", position ";
      append_number(svg, pin->position);
    }
    svg.append("; ").append(mode_name(pin->io->mode)).append(", ").append(pin->io->standard);
    if (!pin->io->pull.empty()) svg.append(", pull-").append(pin->io->pull);
  }
}

// The pin at pic.location. A free pin is a grey outline without a title; a
// used one takes its group's look, or the red one of a location with more
// than one signal.
void draw_pin(picture& pic, const svg_shape& s, int x, int y) {
  std::string& svg = pic.body;
  const std::span<const signal_on_pin> signals = signals_on(pic.uses, pic.location);
  if (signals.empty()) {
    append_drawn_pin(svg, s, pic.location, x, y, free_look);
    svg += '\n';
    ++pic.free_pins;
    return;
  }
  const pin_look look = signals.size() > 1 ? shared_look : group_look(*signals[0].group);
  svg.append("<g id=\"").append(pic.location) += "\"><title>";
  append_pin_title(pic, signals);
  svg += "</title>";
  append_drawn_pin(svg, s, "", x, y, look);
  svg += "</g>\n";
}

constexpr int ball_pitch = 24;
constexpr int ball_radius = 9;
constexpr int grid_label_band = 28;

// Row letters down both sides, column numbers along the top and the bottom:
// column k and row k together.
void draw_grid_labels(picture& pic, int left, int top, int width, int height) {
  std::string& svg = pic.body;
  svg += "<g font-size=\"11\" text-anchor=\"middle\" fill=\"#333333\">\n";
  const int columns = pic.pins.package.columns;
  const int rows = pic.pins.package.rows;
  std::string row;
  for (int k = 0; k < std::max(rows, columns); ++k) {
    const int at = k * ball_pitch + ball_pitch / 2;
    if (k < columns) {
      append_text(svg, left + at, top - 12, k + 1);
      append_text(svg, left + at, top + height + 20, k + 1);
    }
    if (k >= rows) continue;
    row.clear();
    append_row_name(row, k);
    append_text(svg, left - 20, top + at + 4, row);
    append_text(svg, left + width + 20, top + at + 4, row);
  }
  svg += "</g>\n";
}

// Ball A1 at the top left, marked by a notch in the package's corner.
void draw_ball_grid(picture& pic) {
  const int rows = pic.pins.package.rows;
  const int columns = pic.pins.package.columns;
  const int left = margin + grid_label_band;
  const int top = heading_height + grid_label_band;
  const int width = columns * ball_pitch;
  const int height = rows * ball_pitch;
  std::string& svg = pic.body;
  append_package(svg, {false, left - 6, top - 6, width + 12, height + 12}, " rx=\"8\"");
  svg += "<path d=\"M";
  append_number(svg, left - 6);
  svg += ' ';
  append_number(svg, top - 6);
  svg.append("h14l-14 14z\" fill=\"").append(package_outline) += "\"/>\n";
  draw_grid_labels(pic, left, top, width, height);
  pic.marks = "<g font-size=\"9\" font-weight=\"bold\" text-anchor=\"middle\">\n";
  pic.swatch = {true, 8, 0, ball_radius, 0};
  svg += pic.marks;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const int x = left + c * ball_pitch + ball_pitch / 2;
      const int y = top + r * ball_pitch + ball_pitch / 2;
      pic.location.clear();
      append_row_name(pic.location, r);
      append_number(pic.location, c + 1);
      draw_pin(pic, {true, x, y, ball_radius, 0}, x, y);
    }
  }
  svg += "</g>\n";
  pic.width = std::max(2 * left + width, 2 * margin + min_legend_width);
  pic.legend_x = margin;
  pic.legend_y = top + height + grid_label_band + 24;
  pic.legend_width = pic.width - 2 * margin;
  pic.height = pic.legend_y;
  pic.description = std::to_string(rows) + " &#215; " + std::to_string(columns) +
                    " ball grid, seen from the top, ball A1 at the top left";
}

constexpr int lead_pitch = 12;
constexpr int lead_width = 8;
constexpr int lead_length = 26;
constexpr int lead_label_band = 32;
// From a corner of the body to the edge of the first lead's place.
constexpr int corner_gap = 24;

// The four sides in the order of the pin numbers, counter-clockwise seen
// from the top: where each starts (in body lengths from the body's top
// left), the way it runs and the way its leads point.
struct body_side {
  int start_x, start_y;
  int along_x, along_y;
  int out_x, out_y;
};
constexpr body_side body_sides[] = {
    {0, 0, 0, 1, -1, 0},   // left, downwards from pin 1
    {0, 1, 1, 0, 0, 1},    // bottom, left to right
    {1, 1, 0, -1, 1, 0},   // right, upwards
    {1, 0, -1, 0, 0, -1},  // top, right to left
};

// Each lead drawn as a pin, every tenth numbered beyond it (and pin 1).
void draw_leads(picture& pic, int left, int top, int body) {
  const int n = pic.pins.package.rows;
  std::string labels = "<g font-size=\"11\" text-anchor=\"middle\" fill=\"#333333\">\n";
  for (int number = 1; number <= 4 * n; ++number) {
    const body_side& side = body_sides[(number - 1) / n];
    const int along = corner_gap + ((number - 1) % n) * lead_pitch + lead_pitch / 2;
    const int base_x = left + side.start_x * body + side.along_x * along;
    const int base_y = top + side.start_y * body + side.along_y * along;
    const int x = base_x + side.out_x * lead_length / 2;
    const int y = base_y + side.out_y * lead_length / 2;
    const int width = side.along_x == 0 ? lead_length : lead_width;
    const int height = side.along_x == 0 ? lead_width : lead_length;
    pic.location.assign(pic.pins.location_prefix);
    append_number(pic.location, number);
    draw_pin(pic, {false, x - width / 2, y - height / 2, width, height}, x, y);
    if (number == 1 || number % 10 == 0)
      append_text(labels, base_x + side.out_x * (lead_length + 16),
                  base_y + side.out_y * (lead_length + 12) + 4, number);
  }
  pic.body.append("</g>\n").append(labels) += "</g>\n";
}

// Pin 1 at the top of the left side, marked by a dot on the body beside it.
// The legend stands inside the body where it fits, below the package where
// the body is too small for it.
void draw_quad_flat(picture& pic) {
  const int n = pic.pins.package.rows;
  const int body = n * lead_pitch + 2 * corner_gap;
  const int left = margin + lead_label_band + lead_length;
  const int top = heading_height + lead_label_band + lead_length;
  std::string& svg = pic.body;
  append_package(svg, {false, left, top, body, body}, "");
  svg += '<';
  append_shape(svg, {true, left + 14, top + 14, 6, 0});
  svg.append(" fill=\"").append(package_outline) += "\"/>\n";
  pic.marks = "<g font-size=\"8\" font-weight=\"bold\" text-anchor=\"middle\">\n";
  pic.swatch = {false, 8 - lead_length / 2, -lead_width / 2, lead_length, lead_width};
  svg += pic.marks;
  draw_leads(pic, left, top, body);
  pic.width = 2 * left + body;
  pic.legend_x = left + corner_gap + 16;
  pic.legend_y = top + corner_gap + 40;
  pic.legend_width = body - 2 * (corner_gap + 16);
  pic.height = top + body + lead_length + lead_label_band + margin;
  if (pic.legend_width < min_legend_width) {
    pic.width = std::max(pic.width, 2 * margin + min_legend_width);
    pic.legend_x = margin;
    pic.legend_y = pic.height + 8;
    pic.legend_width = pic.width - 2 * margin;
  }
  pic.description = std::to_string(4 * n) +
                    "-pin quad flat pack, seen from the top, pin 1 at the top of the left side";
}

void legend_line(picture& pic, int line, int lines, const pin_look& look, std::string_view name,
                 std::size_t count) {
  const int rows = (lines + 1) / 2;
  const int column_width = pic.legend_width / 2;
  std::string& svg = pic.body;
  svg += "<g transform=\"translate(";
  append_number(svg, pic.legend_x + (line / rows) * column_width);
  svg += ' ';
  append_number(svg, pic.legend_y + (line % rows) * line_height);
  svg.append(")\">").append(pic.marks);
  append_drawn_pin(svg, pic.swatch, "", 8, 0, look);
  svg += "</g>\n";
  append_text(svg, 30, 4, name);
  svg += "<text";
  append_attribute(svg, "x", column_width - 24);
  svg += " y=\"4\" text-anchor=\"end\">";
  append_number(svg, static_cast<int>(count));
  svg += count == 1 ? " pin" : " pins";
  svg += "</text></g>\n";
}

// A line per group with the number of locations its signals take alone,
// then the shared and the free locations, in two columns. Each location
// counts once, so that the lines add up to the package's pins.
void draw_legend(picture& pic) {
  const std::vector<pin_group>& groups = pic.pins.groups;
  std::vector<std::size_t> alone(groups.size());
  std::size_t shared = 0;
  for_each_location(pic.uses, [&](std::string_view, std::span<const signal_on_pin> signals) {
    if (signals.size() > 1)
      ++shared;
    else
      ++alone[static_cast<std::size_t>(signals.front().group - groups.data())];
  });
  const int lines = static_cast<int>(groups.size()) + 2;
  pic.body += "<g font-size=\"12\">\n";
  int line = 0;
  for (const pin_group& group : groups)
    legend_line(pic, line++, lines, group_look(group), group_name(pic.pins, group),
                alone[static_cast<std::size_t>(&group - groups.data())]);
  legend_line(pic, line++, lines, shared_look, "more than one signal", shared);
  legend_line(pic, line, lines, free_look, "free: no signal",
              static_cast<std::size_t>(pic.free_pins));
  pic.body += "</g>\n";
  pic.height = std::max(pic.height, pic.legend_y + ((lines + 1) / 2) * line_height + margin);
}

// A pin takes 140 to 190 bytes of the drawing of a catalogue board, its
// share of the labels and the legend included: room for all is made at
// once, rather than the drawing moving as it grows.
constexpr std::size_t bytes_per_pin = 192;

// The XML declaration, the <svg> element sized to the drawing, a white page,
// and the heading naming the board and the package.
std::string heading(const picture& pic) {
  const std::string board = board_name(pic.pins.board_number);
  std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
  append_attribute(head, "width", pic.width);
  append_attribute(head, "height", pic.height);
  head += " viewBox=\"0 0 ";
  append_number(head, pic.width);
  head += ' ';
  append_number(head, pic.height);
  head.append("\" font-family=\"sans-serif\">\n<title>").append(board) += " FPGA pins</title>\n<";
  append_shape(head, {false, 0, 0, pic.width, pic.height});
  head += " fill=\"#FFFFFF\"/>\n<text";
  append_attribute(head, "x", margin);
  head.append(" y=\"32\" font-size=\"22\" font-weight=\"bold\">").append(board) += "</text>\n<text";
  append_attribute(head, "x", margin);
  head.append(" y=\"52\" font-size=\"12\">FPGA package: ").append(pic.description) += "</text>\n";
  return head;
}

}  // namespace

void write_package_picture(const pin_list& pins, const pin_uses& uses, std::ostream& out) {
  picture pic{.pins = pins, .uses = uses};
  pic.body.reserve(bytes_per_pin * pin_count(pins.package));
  for (const pin_group& group : pins.groups) pic.labels.push_back(module_label(pins, group));
  if (pins.package.layout == package_layout::ball_grid) draw_ball_grid(pic);
  if (pins.package.layout == package_layout::quad_flat) draw_quad_flat(pic);
  draw_legend(pic);
  const std::string head = heading(pic);
  write_text(out, head);
  write_text(out, pic.body);
  out << "</svg>\n";
}

}  // namespace hbpins
