#include "output/template_merge.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "output/vhdl_writers.h"

namespace hbpins {

namespace {

// Templates are read in large blocks. Runs of lines that end in a line feed
// and hold no carriage return and no marker are copied block-wise; only the
// other lines are looked at one by one, and those that are copied are
// gathered before they are written.
constexpr std::size_t block_size = std::size_t{1} << 18;
constexpr std::size_t staged_size = std::size_t{1} << 16;

// Every marker starts with this, so a line without it is copied as it is.
constexpr std::string_view marker_lead = "-- QM";

struct merge_state {
  hb_module_type& config;
  std::ostream& out;
  std::ostream& messages;
  std::string pending;    // start of a line whose end lies in a later block
  std::string staged;     // copied lines not yet written
  bool after_cr = false;  // the last block ended in CR, so a first LF completes that line end
};

// Positions in the current block. The next LF, CR and marker lead are looked
// up again only once the scan has passed them, so that every block is
// searched for each of them once.
struct block_marks {
  const char* end;
  const char* lines_end;  // just after the last LF of the block
  const char* next_lf;
  const char* next_cr;
  const char* next_lead;
};

bool contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

const char* find_char(const char* from, const char* end, char c) {
  const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
  return hit == nullptr ? end : static_cast<const char*>(hit);
}

// VHDL is full of "--" comments but rarely has a capital Q, so the search
// runs on the Q of the marker lead.
const char* find_marker_lead(const char* from, const char* end) {
  constexpr std::size_t q_at = 3;
  for (const char* q = find_char(from, end, 'Q'); q != end; q = find_char(q + 1, end, 'Q')) {
    const char* lead = q - q_at;
    if (q - from >= static_cast<std::ptrdiff_t>(q_at) && end - lead >= std::ssize(marker_lead) &&
        std::string_view(lead, marker_lead.size()) == marker_lead) {
      return lead;
    }
  }
  return end;
}

const char* after_last_lf(const char* from, const char* end) {
  const std::size_t at = std::string_view(from, static_cast<std::size_t>(end - from)).rfind('\n');
  return at == std::string_view::npos ? from : from + at + 1;
}

void write_staged(merge_state& state) {
  if (state.staged.empty()) return;
  state.out.write(state.staged.data(), static_cast<std::streamsize>(state.staged.size()));
  state.staged.clear();
}

void copy_line(merge_state& state, std::string_view line) {
  state.staged += line;
  state.staged += '\n';
  if (state.staged.size() >= staged_size) write_staged(state);
}

void merge_line(merge_state& state, std::string_view line) {
  if (!contains(line, marker_lead)) {
    copy_line(state, line);
  } else if (contains(line, "-- QM_BEGIN")) {
    write_staged(state);
    write_declarations(state.config, state.out, state.messages, false, true);
  } else if (contains(line, "-- QM_MAP_BEGIN")) {
    write_staged(state);
    write_port_map(state.config, state.out, state.messages);
  } else if (!contains(line, "-- QM_END") && !contains(line, "-- QM_MAP_END")) {
    copy_line(state, line);
  }
}

block_marks mark_block(const char* from, const char* end) {
  return {end, after_last_lf(from, end), find_char(from, end, '\n'), find_char(from, end, '\r'),
          find_marker_lead(from, end)};
}

void pass_marks(block_marks& marks, const char* from) {
  if (marks.next_lf < from) marks.next_lf = find_char(from, marks.end, '\n');
  if (marks.next_cr < from) marks.next_cr = find_char(from, marks.end, '\r');
  if (marks.next_lead < from) marks.next_lead = find_marker_lead(from, marks.end);
}

// End of the run of plain LF-ended lines that starts at from.
const char* plain_lines_end(const char* from, block_marks& marks) {
  pass_marks(marks, from);
  const char* stop = std::min({marks.next_cr, marks.next_lead, marks.lines_end});
  if (stop <= from) return from;
  if (stop == marks.lines_end) return stop;
  return after_last_lf(from, stop);
}

// Takes the line that starts at from up to its line end, or keeps it pending
// when the block ends first. Returns where the next line starts.
const char* merge_one_line(merge_state& state, const char* from, block_marks& marks) {
  pass_marks(marks, from);
  const char* stop = std::min(marks.next_lf, marks.next_cr);
  if (stop == marks.end) {
    state.pending.append(from, marks.end);
    return marks.end;
  }
  if (state.pending.empty()) {
    const std::string_view line(from, static_cast<std::size_t>(stop - from));
    if (marks.next_lead < stop) {
      merge_line(state, line);
    } else {
      copy_line(state, line);
    }
  } else {
    state.pending.append(from, stop);
    merge_line(state, state.pending);
    state.pending.clear();
  }
  const char* next = stop + 1;
  if (*stop == '\r') {
    if (next == marks.end) {
      state.after_cr = true;
    } else if (*next == '\n') {
      ++next;
    }
  }
  return next;
}

void merge_block(merge_state& state, const char* from, const char* end) {
  if (state.after_cr && from < end && *from == '\n') ++from;
  state.after_cr = false;
  block_marks marks = mark_block(from, end);
  while (from < end) {
    if (state.pending.empty()) {
      const char* plain_end = plain_lines_end(from, marks);
      if (plain_end > from) {
        write_staged(state);
        state.out.write(from, plain_end - from);
        from = plain_end;
        continue;
      }
    }
    from = merge_one_line(state, from, marks);
  }
}

}  // namespace

void merge_template(hb_module_type& config, std::istream& tmpl, std::ostream& out,
                    std::ostream& messages) {
  merge_state state{config, out, messages, {}, {}};
  std::vector<char> block(block_size);
  std::streamsize total = 0;
  while (tmpl) {
    tmpl.read(block.data(), static_cast<std::streamsize>(block.size()));
    const std::streamsize got = tmpl.gcount();
    total += got;
    merge_block(state, block.data(), block.data() + got);
  }
  if (!tmpl.bad()) {
    // A last line without a line end is copied; a template without any byte
    // still reads as one empty line.
    if (!state.pending.empty() || total == 0) merge_line(state, state.pending);
  }
  write_staged(state);
}

}  // namespace hbpins
