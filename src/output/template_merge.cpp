#include "output/template_merge.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "output/vhdl_writers.h"

namespace hbpins {

namespace {

// The template is read in large blocks; lines are never cut, however long.
constexpr std::size_t block_size = std::size_t{1} << 18;
constexpr std::size_t none = std::string_view::npos;

// Every marker starts with this.
constexpr std::string_view marker_lead = "-- QM";

struct merge_state {
  const collected_ports& ports;
  std::ostream& out;
  std::ostream& messages;
  std::string carry;      // start of a line whose end lies in a later block
  bool after_cr = false;  // the last block ended in CR: a leading LF completes a CRLF
};

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != none;
}

// One template line, without its line end.
void merge_line(merge_state& state, std::string_view line) {
  if (contains(line, "-- QM_BEGIN")) {
    state.messages << state.ports.messages;
    write_declarations(state.ports.list, state.out);
  } else if (contains(line, "-- QM_MAP_BEGIN")) {
    state.messages << state.ports.messages;
    write_port_map(state.ports.list, state.out);
  } else if (!contains(line, "-- QM_END") && !contains(line, "-- QM_MAP_END")) {
    state.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    state.out.put('\n');
  }
}

// Whole lines, each with its line end (LF, CR or CRLF). Lines that end in LF
// and hold no marker are already what the output wants, so a stretch of them
// is copied in one piece. The next LF and CR are looked up again only once
// passed, so that a block is scanned once for each.
void merge_lines(merge_state& state, std::string_view lines) {
  std::size_t next_cr = lines.find('\r');
  if (next_cr == none && !contains(lines, marker_lead)) {
    state.out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
    return;
  }
  std::size_t next_lf = lines.find('\n');
  for (std::size_t start = 0; start < lines.size();) {
    if (next_lf < start) next_lf = lines.find('\n', start);
    if (next_cr < start) next_cr = lines.find('\r', start);
    const std::size_t end = std::min(next_lf, next_cr);
    merge_line(state, lines.substr(start, end - start));
    start = end + 1;
    if (end == next_cr && start == next_lf) ++start;  // CRLF
  }
}

std::size_t last_line_end(std::string_view data) {
  const std::size_t lf = data.rfind('\n');
  // Most templates have no CR; do not search them backwards byte by byte.
  if (data.find('\r') == none) return lf;
  const std::size_t cr = data.rfind('\r');
  return lf == none ? cr : std::max(lf, cr);
}

// Merges the whole lines at the front of data; returns the bytes they take.
std::size_t merge_whole_lines(merge_state& state, std::string_view data) {
  const std::size_t last = last_line_end(data);
  if (last == none) return 0;
  merge_lines(state, data.substr(0, last + 1));
  // Only a CR that ends the data can be the first half of a CRLF split
  // between reads; after a CR inside, the rest of the data starts a line.
  state.after_cr = data[last] == '\r' && last + 1 == data.size();
  return last + 1;
}

std::size_t first_line_end(std::string_view data) {
  const std::size_t lf = data.find('\n');
  const std::size_t cr = data.substr(0, lf).find('\r');
  return cr == none ? lf : cr;
}

// Drops the LF of a CRLF whose CR ended the data before.
void skip_split_crlf(merge_state& state, std::string_view& data) {
  if (!state.after_cr || data.empty()) return;
  if (data.front() == '\n') data.remove_prefix(1);
  state.after_cr = false;
}

// A line may straddle blocks: the carry holds the start of the last line of
// the blocks before, and this block's first line end completes it.
void merge_block(merge_state& state, std::string_view data) {
  skip_split_crlf(state, data);
  if (!state.carry.empty()) {
    const std::size_t end = first_line_end(data);
    if (end == none) {
      state.carry.append(data);
      return;
    }
    state.carry.append(data.substr(0, end + 1));
    data.remove_prefix(end + 1);
    merge_whole_lines(state, state.carry);
    state.carry.clear();
    skip_split_crlf(state, data);
  }
  state.carry.assign(data.substr(merge_whole_lines(state, data)));
}

}  // namespace

void merge_template(const collected_ports& slot_ports, std::istream& tmpl, std::ostream& out,
                    std::ostream& messages) {
  merge_state state{slot_ports, out, messages, {}};
  // Left uninitialised: a short template touches only the pages it fills.
  const auto block = std::make_unique_for_overwrite<char[]>(block_size);
  bool read_any = false;
  while (tmpl) {
    tmpl.read(block.get(), static_cast<std::streamsize>(block_size));
    const auto got = static_cast<std::size_t>(tmpl.gcount());
    if (got == 0) break;
    read_any = true;
    merge_block(state, std::string_view(block.get(), got));
  }
  if (tmpl.bad()) return;
  // A last line without a line end is copied; a template without a single
  // byte still reads as one empty line.
  if (!state.carry.empty() || !read_any) merge_line(state, state.carry);
}

}  // namespace hbpins
