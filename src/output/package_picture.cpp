#include "output/package_picture.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "output/report_labels.h"

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
constexpr std::string_view slot_digits = "01234567";
constexpr pin_look board_look = {"#555555", "#000000", 1, "B", "#FFFFFF"};
constexpr pin_look shared_look = {"#EE0000", "#000000", 3, "!", "#FFFFFF"};
constexpr pin_look free_look = {"none", "#A0A0A0", 1, "", ""};
constexpr std::string_view package_outline = "#606060";

constexpr int margin = 16;
constexpr int heading_height = 64;
constexpr int line_height = 20;

// The drawing as it grows, and where its legend goes.
struct picture {
  const pin_list& pins;
  const pin_uses& uses;
  std::string body{};
  int free_pins = 0;
  int width = 0;
  int height = 0;
  int legend_x = 0;
  int legend_y = 0;
  int legend_width = 0;
  std::string description{};  // the package, under the heading (SVG text)
  std::string_view marks{};   // a group setting the font of the pins' marks
  std::string swatch{};       // the shape of a pin in the legend
};

// One pin of the package: its location, its outline as an SVG element
// without its colours, and the centre of the mark written on it.
struct package_pin {
  std::string location;
  std::string shape;
  int x = 0;
  int y = 0;
};

std::string xml_text(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string attribute(std::string_view name, int value) {
  std::string text(" ");
  text.append(name).append("=\"").append(std::to_string(value)) += '"';
  return text;
}

std::string circle(int x, int y, int r) {
  return "circle" + attribute("cx", x) + attribute("cy", y) + attribute("r", r);
}

std::string rectangle(int x, int y, int width, int height) {
  return "rect" + attribute("x", x) + attribute("y", y) + attribute("width", width) +
         attribute("height", height);
}

// Placed by the enclosing group's anchor; y is the baseline.
std::string text(int x, int y, std::string_view content) {
  return "<text" + attribute("x", x) + attribute("y", y) + ">" + xml_text(content) + "</text>\n";
}

pin_look group_look(const pin_group& group) {
  if (group.kind == group_kind::board_signals) return board_look;
  const slot_colour& colour = slot_colours[group.slot % std::size(slot_colours)];
  return {colour.fill, "#000000", 1, slot_digits.substr(group.slot % slot_digits.size(), 1),
          colour.mark};
}

// A shape (an element name with its place and size) in a look, its mark
// centred on x and y.
std::string drawn_pin(std::string_view shape, int x, int y, const pin_look& look) {
  std::string svg("<");
  svg.append(shape).append(" fill=\"").append(look.fill).append("\" stroke=\"");
  svg.append(look.outline) += '"';
  if (look.outline_width != 1) svg += attribute("stroke-width", look.outline_width);
  svg += "/>";
  if (look.mark.empty()) return svg;
  svg.append("<text").append(attribute("x", x)).append(attribute("y", y + 3)).append(" fill=\"");
  svg.append(look.mark_colour).append("\">").append(look.mark) += "</text>";
  return svg;
}

std::string group_name(const pin_list& pins, const pin_group& group) {
  if (group.kind == group_kind::board_signals) return "board signals";
  std::string name = "slot " + std::to_string(group.slot) + ": ";
  if (group.kind == group_kind::empty) return name + "empty";
  name += module_label(pins, group);
  return group.kind == group_kind::general_io ? name + " (general I/O)" : name;
}

// The location, then a line per signal: "QM0_DIN<5>: slot 0, QM722,
// position 3; in, LVTTL".
std::string pin_title(const picture& pic, std::string_view location,
                      const std::vector<signal_on_pin>& signals) {
  std::string title(location);
  if (signals.size() > 1) title += ": " + std::to_string(signals.size()) + " signals on one pin";
  for (const auto& [group, pin] : signals) {
    title += "\n" + pin->name + ": ";
    if (group->kind == group_kind::board_signals)
      title += "board " + module_label(pic.pins, *group);
    else
      title += "slot " + std::to_string(group->slot) + ", " + module_label(pic.pins, *group) +
               ", position " + std::to_string(pin->position);
    title += "; " + std::string(mode_name(pin->dir->mode)) + ", " + std::string(pin->dir->standard);
    if (!pin->dir->pull.empty()) title += ", pull-" + std::string(pin->dir->pull);
  }
  return title;
}

// A free pin is a grey outline without a title; a used one takes its
// group's look, or the red one of a location with more than one signal.
void draw_pin(picture& pic, const package_pin& pin) {
  const std::string id = " id=\"" + pin.location + '"';
  const auto found = pic.uses.find(pin.location);
  if (found == pic.uses.end()) {
    pic.body += drawn_pin(pin.shape + id, pin.x, pin.y, free_look) + '\n';
    ++pic.free_pins;
    return;
  }
  const std::vector<signal_on_pin>& signals = found->second;
  const pin_look look = signals.size() > 1 ? shared_look : group_look(*signals[0].group);
  pic.body += "<g" + id + "><title>" + xml_text(pin_title(pic, pin.location, signals)) +
              "</title>" + drawn_pin(pin.shape, pin.x, pin.y, look) + "</g>\n";
}

// Ball-grid rows skip I, O, Q, S, X and Z, which read as digits or as each
// other, and go on with two letters after Y: A ... Y, AA, AB, ...
constexpr std::string_view row_letters = "ABCDEFGHJKLMNPRTUVWY";

std::string row_name(int row) {
  const int count = static_cast<int>(row_letters.size());
  std::string name = row < count ? "" : std::string(1, row_letters[row / count - 1]);
  return name + row_letters[row % count];
}

constexpr int ball_pitch = 24;
constexpr int ball_radius = 9;
constexpr int grid_label_band = 28;

// Ball A1 at the top left, marked by a notch in the package's corner; row
// letters down both sides, column numbers along the top and the bottom.
void draw_ball_grid(picture& pic) {
  const int n = pic.pins.package.side;
  const int left = margin + grid_label_band;
  const int top = heading_height + grid_label_band;
  const int span = n * ball_pitch;
  pic.body += std::string("<") + rectangle(left - 6, top - 6, span + 12, span + 12) +
              " rx=\"8\" fill=\"#F4F4F4\" stroke=\"" + std::string(package_outline) +
              "\" stroke-width=\"2\"/>\n<path d=\"M" + std::to_string(left - 6) + " " +
              std::to_string(top - 6) + "h14l-14 14z\" fill=\"" + std::string(package_outline) +
              "\"/>\n<g font-size=\"11\" text-anchor=\"middle\" fill=\"#333333\">\n";
  for (int k = 0; k < n; ++k) {
    const int at = k * ball_pitch + ball_pitch / 2;
    const std::string column = std::to_string(k + 1);
    pic.body += text(left + at, top - 12, column) + text(left + at, top + span + 20, column) +
                text(left - 20, top + at + 4, row_name(k)) +
                text(left + span + 20, top + at + 4, row_name(k));
  }
  pic.marks = "<g font-size=\"9\" font-weight=\"bold\" text-anchor=\"middle\">\n";
  pic.swatch = circle(8, 0, ball_radius);
  pic.body.append("</g>\n").append(pic.marks);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const int x = left + c * ball_pitch + ball_pitch / 2;
      const int y = top + r * ball_pitch + ball_pitch / 2;
      draw_pin(pic, {row_name(r) + std::to_string(c + 1), circle(x, y, ball_radius), x, y});
    }
  }
  pic.body += "</g>\n";
  pic.width = 2 * left + span;
  pic.legend_x = margin;
  pic.legend_y = top + span + grid_label_band + 24;
  pic.legend_width = pic.width - 2 * margin;
  pic.height = pic.legend_y;
  pic.description = std::to_string(n) + " &#215; " + std::to_string(n) +
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

// Pin 1 at the top of the left side, marked by a dot on the body beside it;
// every tenth pin numbered beyond its lead.
void draw_quad_flat(picture& pic) {
  const int n = pic.pins.package.side;
  const int body = n * lead_pitch + 2 * corner_gap;
  const int left = margin + lead_label_band + lead_length;
  const int top = heading_height + lead_label_band + lead_length;
  pic.body += std::string("<") + rectangle(left, top, body, body) + " fill=\"#F4F4F4\" stroke=\"" +
              std::string(package_outline) + "\" stroke-width=\"2\"/>\n<" +
              circle(left + 14, top + 14, 6) + " fill=\"" + std::string(package_outline) + "\"/>\n";
  pic.marks = "<g font-size=\"8\" font-weight=\"bold\" text-anchor=\"middle\">\n";
  pic.swatch = rectangle(8 - lead_length / 2, -lead_width / 2, lead_length, lead_width);
  pic.body += pic.marks;
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
    const std::string location = std::string(pic.pins.location_prefix) + std::to_string(number);
    draw_pin(pic, {location, rectangle(x - width / 2, y - height / 2, width, height), x, y});
    if (number == 1 || number % 10 == 0)
      labels += text(base_x + side.out_x * (lead_length + 16),
                     base_y + side.out_y * (lead_length + 12) + 4, std::to_string(number));
  }
  pic.body += "</g>\n" + labels + "</g>\n";
  pic.width = 2 * left + body;
  pic.legend_x = left + corner_gap + 16;
  pic.legend_y = top + corner_gap + 40;
  pic.legend_width = body - 2 * (corner_gap + 16);
  pic.height = top + body + lead_length + lead_label_band + margin;
  pic.description = std::to_string(4 * n) +
                    "-pin quad flat pack, seen from the top, pin 1 at the top of the left side";
}

std::string pin_count(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " pin" : " pins");
}

void legend_line(picture& pic, int line, int lines, const pin_look& look, std::string_view name,
                 std::size_t count) {
  const int rows = (lines + 1) / 2;
  const int column_width = pic.legend_width / 2;
  const int x = pic.legend_x + (line / rows) * column_width;
  const int y = pic.legend_y + (line % rows) * line_height;
  pic.body += "<g transform=\"translate(" + std::to_string(x) + " " + std::to_string(y) + ")\">" +
              std::string(pic.marks) + drawn_pin(pic.swatch, 8, 0, look) + "</g>\n" +
              text(30, 4, name) + "<text" + attribute("x", column_width - 24) +
              " y=\"4\" text-anchor=\"end\">" + pin_count(count) + "</text></g>\n";
}

// A line per group with the number of locations its signals take, then the
// shared and the free locations, in two columns.
void draw_legend(picture& pic) {
  const int lines = static_cast<int>(pic.pins.groups.size()) + 2;
  pic.body += "<g font-size=\"12\">\n";
  int line = 0;
  for (const pin_group& group : pic.pins.groups) {
    std::set<std::string_view> locations;
    for (const resolved_pin& pin : group.pins) locations.insert(pin.location);
    legend_line(pic, line++, lines, group_look(group), group_name(pic.pins, group),
                locations.size());
  }
  std::size_t shared = 0;
  for (const auto& [location, signals] : pic.uses) shared += signals.size() > 1 ? 1 : 0;
  legend_line(pic, line++, lines, shared_look, "more than one signal", shared);
  legend_line(pic, line, lines, free_look, "free: no signal",
              static_cast<std::size_t>(pic.free_pins));
  pic.body += "</g>\n";
  pic.height = std::max(pic.height, pic.legend_y + ((lines + 1) / 2) * line_height + margin);
}

}  // namespace

void write_package_picture(const pin_list& pins, std::ostream& out) {
  const pin_uses uses = uses_by_location(pins);
  picture pic{.pins = pins, .uses = uses};
  if (pins.package.layout == package_layout::ball_grid) draw_ball_grid(pic);
  if (pins.package.layout == package_layout::quad_flat) draw_quad_flat(pic);
  draw_legend(pic);
  const std::string board = "HB" + std::to_string(pins.board);
  const std::string size = std::to_string(pic.width) + " " + std::to_string(pic.height);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\""
      << attribute("width", pic.width) << attribute("height", pic.height) << " viewBox=\"0 0 "
      << size << "\" font-family=\"sans-serif\">\n<title>" << board << " FPGA pins</title>\n<"
      << rectangle(0, 0, pic.width, pic.height) << " fill=\"#FFFFFF\"/>\n<text x=\"" << margin
      << "\" y=\"32\" font-size=\"22\" font-weight=\"bold\">" << board << "</text>\n<text x=\""
      << margin << "\" y=\"52\" font-size=\"12\">FPGA package: " << pic.description << "</text>\n"
      << pic.body << "</svg>\n";
}

}  // namespace hbpins
