#include "output/hdl/template_merge.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "output/hdl/port_list.h"
#include "output/hdl/template_lines.h"

namespace hbpins {

namespace {

struct merge_state {
  const collected_ports& ports;
  const language_entry& language;
  std::istream& tmpl;
  std::ostream& out;
  std::ostream& messages;
  std::size_t capacity;  // grows only for a template that cannot seek
  // One byte more than the capacity, for the line end that a last line lacks.
  std::unique_ptr<char[]> buffer;
  template_markers found;
};

void write(merge_state& state, const char* data, std::size_t size) {
  state.out.write(data, static_cast<std::streamsize>(size));
}

std::size_t read(merge_state& state, char* to, std::size_t size) {
  state.tmpl.read(to, static_cast<std::streamsize>(size));
  return static_cast<std::size_t>(state.tmpl.gcount());
}

// Each block is a fresh collection of the slot ports to the user, so its
// name-check lines come again.
void write_marker_line(merge_state& state, line_kind kind) {
  if (kind == line_kind::declarations) {
    state.messages << state.ports.messages;
    state.language.write_declarations(state.ports.list, state.out);
    state.found.declarations = true;
  } else if (kind == line_kind::port_map) {
    state.messages << state.ports.messages;
    state.language.write_port_map(state.ports.list, state.out);
    state.found.port_map = true;
  }
}

// Whole lines, each ending in LF: a run of ordinary lines goes out in one
// write, a marker line is replaced or dropped. The search for the markers'
// common lead passes over the text once.
void merge_lf_lines(merge_state& state, std::string_view text) {
  const std::string_view marker_lead = state.language.marker_lead;
  std::size_t run = 0;  // the first line not yet written
  for (std::size_t from = 0, lead; (lead = text.find(marker_lead, from)) != text.npos;) {
    const std::size_t start = line_start(text, lead);
    const std::size_t end = text.find('\n', lead);
    from = end + 1;
    const line_kind kind = kind_of(text.substr(lead, end - lead), marker_lead);
    if (kind == line_kind::ordinary) continue;
    write(state, text.data() + run, start - run);
    write_marker_line(state, kind);
    run = from;
  }
  write(state, text.data() + run, text.size() - run);
}

// Merges the whole lines at the front of the buffer's size bytes and moves
// the rest, the start of a line, to the front; returns its size. Before the
// template's end, a CR that ends the data may be the first half of a CRLF
// and waits for the next read.
std::size_t merge_whole_lines(merge_state& state, std::size_t size, bool at_end) {
  char* const data = state.buffer.get();
  const bool open_cr = !at_end && data[size - 1] == '\r';
  const std::size_t lines = to_lf_line_ends(data, size - open_cr);
  const std::size_t whole = after_last_lf({data, lines});
  merge_lf_lines(state, {data, whole});
  std::size_t rest = lines - whole;
  std::memmove(data, data + whole, rest);
  if (open_cr) data[rest++] = '\r';
  return rest;
}

// A failed seek counts as a failed read.
bool seek(std::istream& tmpl, std::streamoff position) {
  if (tmpl.bad()) return false;
  tmpl.clear();
  if (tmpl.seekg(position).fail()) tmpl.setstate(std::ios::badbit);
  return !tmpl.bad();
}

// Copies size bytes of the template from position on.
void copy_template(merge_state& state, std::streamoff position, std::streamoff size) {
  if (!seek(state.tmpl, position)) return;
  for (std::size_t got; size > 0; size -= static_cast<std::streamoff>(got)) {
    got = read(state, state.buffer.get(),
               static_cast<std::size_t>(std::min<std::streamoff>(size, state.capacity)));
    // The template shrank since it was read up to here.
    if (got == 0) return state.tmpl.setstate(std::ios::badbit);
    write(state, state.buffer.get(), got);
  }
}

// A line that fills the whole buffer, which begins at position start of the
// template. Whether it is a marker line is known only at its end, so it is
// first read on to there, keeping only the bytes that may start a marker
// cut by the next read; an ordinary line is then read again from its start
// and copied through. So memory stays one block however long the line, and
// the bytes are those of a merge that holds the line whole.
void merge_long_line(merge_state& state, std::streamoff start) {
  char* const data = state.buffer.get();
  std::size_t size = state.capacity;
  std::streamoff end = start;  // where data[0] lies, until the line's end is found
  line_kind kind = line_kind::ordinary;
  for (;;) {
    const std::size_t line_end = first_line_end({data, size});
    kind = std::max(kind, kind_of({data, line_end}, state.language.marker_lead));
    end += static_cast<std::streamoff>(line_end);
    // A short read is the template's end.
    if (line_end < size || size < state.capacity) break;
    end -= marker_overlap;
    std::memmove(data, data + size - marker_overlap, marker_overlap);
    size = marker_overlap + read(state, data + marker_overlap, state.capacity - marker_overlap);
  }
  if (state.tmpl.bad()) return;
  if (kind == line_kind::ordinary) {
    copy_template(state, start, end - start);
    write(state, "\n", 1);
  }
  write_marker_line(state, kind);
  // The line end is CR, LF or CRLF, or none at the template's end.
  if (seek(state.tmpl, end) && state.tmpl.get() == '\r' && state.tmpl.peek() == '\n')
    state.tmpl.get();
}

// A line fills the buffer. A template that can seek is read on past it;
// from one that cannot (a FIFO), the line is held in a buffer twice as
// large. Returns what the buffer holds then.
std::size_t make_room(merge_state& state) {
  const std::streampos here = state.tmpl.tellg();
  if (here != std::streampos(-1)) {
    merge_long_line(state, here - static_cast<std::streamoff>(state.capacity));
    return 0;
  }
  auto larger = std::make_unique_for_overwrite<char[]>(2 * state.capacity + 1);
  std::memcpy(larger.get(), state.buffer.get(), state.capacity);
  state.buffer = std::move(larger);
  state.capacity *= 2;
  return state.capacity / 2;
}

}  // namespace

template_markers merge_template(const collected_ports& slot_ports, hdl_language language,
                                std::istream& tmpl, std::ostream& out, std::ostream& messages,
                                std::size_t block_size) {
  block_size = std::max<std::size_t>(block_size, 32);
  // Left uninitialised: a short template touches only the pages it fills.
  merge_state state{slot_ports,
                    language_info(language),
                    tmpl,
                    out,
                    messages,
                    block_size,
                    std::make_unique_for_overwrite<char[]>(block_size + 1),
                    {}};
  std::size_t held = 0;  // the start of a line, at the front of the buffer
  bool read_any = false;
  while (const std::size_t got = read(state, state.buffer.get() + held, state.capacity - held)) {
    read_any = true;
    held = merge_whole_lines(state, held + got, false);
    if (held == state.capacity) held = make_room(state);
  }
  if (tmpl.bad()) return state.found;
  // A last line without a line end gets one; a template without a single
  // byte still reads as one empty line.
  char* const data = state.buffer.get();
  if (held > 0 || !read_any) {
    if (held == 0 || data[held - 1] != '\r') data[held++] = '\n';
    merge_whole_lines(state, held, true);
  }
  return state.found;
}

}  // namespace hbpins
