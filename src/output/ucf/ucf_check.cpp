#include "output/ucf/ucf_check.h"

#include <array>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/text/ascii_case.h"
#include "catalogue/text/message_text.h"
#include "output/ucf/ucf_reader.h"

namespace hbpins {

namespace {

constexpr std::size_t none = static_cast<std::size_t>(-1);

// The matches of patterns kept at most: a file of many different patterns
// is then matched again at each, rather than kept in memory many times over.
constexpr std::size_t max_kept_matches = std::size_t{1} << 16;

// The nets of the board: by name, and by the location the UCF file gives.
struct board_nets {
  std::vector<const resolved_pin*> pins;  // in the order of the pin list
  std::unordered_map<std::string_view, std::size_t> by_name;
  const pin_uses& uses;
  // The nets each pattern matches, found once however often a file repeats
  // the pattern (a slot's IOSTANDARD line may come for every module change).
  std::unordered_map<std::string_view, std::vector<std::size_t>> matching{};
  std::size_t kept_matches = 0;
  std::vector<std::size_t> unkept{};  // the matches of a pattern beyond the bound
};

board_nets index_nets(const pin_list& list, const pin_uses& uses) {
  board_nets nets{{}, {}, uses};
  for (const pin_group& group : list.groups)
    for (const resolved_pin& pin : group.pins) {
      nets.by_name.emplace(pin.name, nets.pins.size());
      nets.pins.push_back(&pin);
    }
  return nets;
}

bool has_wildcard(std::string_view name) {
  return name.find('*') != std::string_view::npos || name.find('?') != std::string_view::npos;
}

// * stands for any run of characters, ? for any one character.
bool matches(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0, star = none, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != none) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

const std::vector<std::size_t>& nets_matching(board_nets& nets, std::string_view pattern) {
  const auto kept = nets.matching.find(pattern);
  if (kept != nets.matching.end()) return kept->second;
  std::vector<std::size_t> found;
  for (std::size_t k = 0; k < nets.pins.size(); ++k)
    if (matches(pattern, nets.pins[k]->name)) found.push_back(k);
  if (nets.kept_matches + found.size() + 1 > max_kept_matches) {
    nets.unkept = std::move(found);
    return nets.unkept;
  }
  nets.kept_matches += found.size() + 1;
  return nets.matching.emplace(pattern, std::move(found)).first->second;
}

// Calls each(index) for the net a statement names, or for every net its
// pattern matches; returns how many there were.
template <typename Each>
std::size_t for_each_named(board_nets& nets, const net_statement& statement, Each each) {
  if (!has_wildcard(statement.name)) {
    const auto found = nets.by_name.find(statement.name);
    if (found == nets.by_name.end()) return 0;
    each(found->second);
    return 1;
  }
  const std::vector<std::size_t>& found = nets_matching(nets, statement.name);
  for (std::size_t k : found) each(k);
  return found.size();
}

// What the whole file says about a net of the board.
struct net_facts {
  std::size_t placed_at = none;  // the first statement that gives it a LOC
  bool pull_stated = false;
};

void note_facts(board_nets& nets, const net_statement& statement, std::size_t k,
                std::vector<net_facts>& facts) {
  bool locates = false, pulls = false;
  for_each_constraint(statement, [&](const ucf_constraint& c) {
    locates = locates || c.kind == constraint_kind::location;
    pulls = pulls || c.kind == constraint_kind::pull;
  });
  // A pattern places no single net: its LOC is not compared.
  const bool places = locates && !has_wildcard(statement.name);
  for_each_named(nets, statement, [&](std::size_t net) {
    if (places && facts[net].placed_at == none) facts[net].placed_at = k;
    if (pulls) facts[net].pull_stated = true;
  });
}

enum difference_kind : std::size_t {
  differing,
  not_on_board,
  on_other_location,
  not_placed,
  stated_twice,
};

// A summary names the first four kinds always, as scripts read it, and
// a statement's second value only where the file has any.
constexpr std::string_view kind_words[] = {
    "differing", "not on this board", "on another signal's location", "not placed", "stated twice"};
constexpr std::size_t always_summed = not_placed + 1;

struct check_report {
  std::string_view file;
  std::ostream& out;
  std::array<std::size_t, std::size(kind_words)> counts{};
  std::string line;  // the line being told
};

std::size_t total_of(const check_report& report) {
  std::size_t total = 0;
  for (std::size_t count : report.counts) total += count;
  return total;
}

// FILE:LINE: NET: what; line 0 for what the file as a whole lacks. Each
// line goes out in one write: a file may have thousands.
void tell(check_report& report, difference_kind kind, std::size_t line, std::string_view net,
          std::string_view what) {
  std::string& text = report.line;
  text.assign(report.file);
  if (line != 0) (text += ':') += std::to_string(line);
  ((text += ": ") += net) += ": ";
  (text += what) += '\n';
  report.out << text;
  ++report.counts[kind];
}

std::string pull_words(std::string_view pull) {
  return pull.empty() ? "no pull" : std::string(pull_keyword(pull));
}

// The board's other signals on a location, "QM0_DIN<5> and QM1_X".
std::string others_on(const board_nets& nets, std::string_view location, const resolved_pin& pin) {
  std::string names;
  for (const signal_on_pin& other : signals_on(nets.uses, upper_cased(location)))
    if (other.pin != &pin) names += (names.empty() ? "" : " and ") + other.pin->name;
  return names;
}

void compare_location(check_report& report, const board_nets& nets, const net_statement& statement,
                      std::string_view location, const resolved_pin& pin) {
  if (has_wildcard(statement.name) || equal_in_any_case(location, pin.location)) return;
  const std::string others = others_on(nets, location, pin);
  if (others.empty())
    tell(report, differing, statement.line, pin.name,
         "LOC " + quoted(location) + ", the board has " + quoted(pin.location));
  else
    tell(report, on_other_location, statement.line, pin.name,
         "LOC " + quoted(location) + " is where the board has " + others);
}

void compare_standard(check_report& report, const net_statement& statement,
                      std::string_view standard, const resolved_pin& pin) {
  if (equal_in_any_case(standard, pin.io->standard)) return;
  tell(report, differing, statement.line, pin.name,
       "IOSTANDARD " + std::string(standard) + ", the board has " + std::string(pin.io->standard));
}

void compare_pull(check_report& report, const net_statement& statement, std::string_view pull,
                  const resolved_pin& pin) {
  if (pull == pin.io->pull) return;
  tell(report, differing, statement.line, pin.name,
       pull_words(pull) + ", the board has " + pull_words(pin.io->pull));
}

void compare_constraint(check_report& report, const board_nets& nets,
                        const net_statement& statement, const ucf_constraint& c,
                        const resolved_pin& pin) {
  switch (c.kind) {
    case constraint_kind::location:
      return compare_location(report, nets, statement, c.value, pin);
    case constraint_kind::standard:
      return compare_standard(report, statement, c.value, pin);
    case constraint_kind::pull:
      return compare_pull(report, statement, c.value, pin);
  }
}

// Each constraint where it stands, kind by kind: the locations, the
// standards, the pulls; then, where the file places the net here first but
// never states the pull the board has, that pull.
void compare_net(check_report& report, const board_nets& nets, const net_statement& statement,
                 bool pull_left_out, const resolved_pin& pin) {
  for (const constraint_kind kind :
       {constraint_kind::location, constraint_kind::standard, constraint_kind::pull})
    for_each_constraint(statement, [&](const ucf_constraint& c) {
      if (c.kind == kind) compare_constraint(report, nets, statement, c, pin);
    });
  if (pull_left_out && !pin.io->pull.empty())
    tell(report, differing, statement.line, pin.name,
         "no pull, the board has " + pull_words(pin.io->pull));
}

// A constraint as a message shows it: LOC "N20", IOSTANDARD LVTTL, PULLUP.
std::string constraint_words(const ucf_constraint& c) {
  switch (c.kind) {
    case constraint_kind::location:
      return "LOC " + quoted(c.value);
    case constraint_kind::standard:
      return "IOSTANDARD " + std::string(c.value);
    case constraint_kind::pull:
      break;
  }
  return pull_words(c.value);
}

// Locations and standards are the same in any case, as the board compares
// them.
bool same_value(const ucf_constraint& a, const ucf_constraint& b) {
  return a.kind == constraint_kind::pull ? a.value == b.value : equal_in_any_case(a.value, b.value);
}

// Each constraint that gives its kind another value than the statement's
// first of that kind.
void tell_stated_twice(check_report& report, const net_statement& statement) {
  std::array<std::optional<ucf_constraint>, static_cast<std::size_t>(constraint_kind::pull) + 1>
      firsts;
  for_each_constraint(statement, [&](const ucf_constraint& constraint) {
    std::optional<ucf_constraint>& first = firsts[static_cast<std::size_t>(constraint.kind)];
    if (!first) first = constraint;
    if (!same_value(*first, constraint))
      tell(report, stated_twice, statement.line, statement.name,
           constraint_words(*first) + " and " + constraint_words(constraint) + " in one statement");
  });
}

void compare_statement(check_report& report, board_nets& nets, const std::vector<net_facts>& facts,
                       const net_statement& statement, std::size_t k) {
  const std::size_t named = for_each_named(nets, statement, [&](std::size_t net) {
    // A missing pull is told once, at the net's first LOC.
    const bool pull_left_out = facts[net].placed_at == k && !facts[net].pull_stated;
    compare_net(report, nets, statement, pull_left_out, *nets.pins[net]);
  });
  if (named == 0) tell(report, not_on_board, statement.line, statement.name, "not on this board");
  tell_stated_twice(report, statement);
}

void write_summary(const check_report& report, std::size_t net_count) {
  const std::size_t total = total_of(report);
  report.out << report.file << ": ";
  if (total == 0) {
    report.out << "matches the board (" << net_count << " nets)\n";
    return;
  }
  report.out << total << (total == 1 ? " difference" : " differences");
  for (std::size_t kind = 0; kind < report.counts.size(); ++kind)
    if (kind < always_summed || report.counts[kind] > 0)
      report.out << (kind == 0 ? ": " : ", ") << report.counts[kind] << ' ' << kind_words[kind];
  report.out << '\n';
}

}  // namespace

ucf_check check_ucf(const pin_list& pins, const pin_uses& uses, std::string_view text,
                    std::string_view file, std::ostream& out) {
  board_nets nets = index_nets(pins, uses);
  std::vector<net_facts> facts(nets.pins.size());
  std::size_t k = 0;
  std::optional<ucf_read_error> error = read_ucf(
      text, [&](const net_statement& statement) { note_facts(nets, statement, k++, facts); });
  if (error) return {0, std::move(error)};
  check_report report{file, out, {}, {}};
  k = 0;
  read_ucf(text, [&](const net_statement& statement) {
    compare_statement(report, nets, facts, statement, k++);
  });
  for (std::size_t net = 0; net < nets.pins.size(); ++net)
    if (facts[net].placed_at == none)
      tell(report, not_placed, 0, nets.pins[net]->name,
           "not placed in this file, the board has " + quoted(nets.pins[net]->location));
  write_summary(report, nets.pins.size());
  return {total_of(report), std::nullopt};
}

}  // namespace hbpins
