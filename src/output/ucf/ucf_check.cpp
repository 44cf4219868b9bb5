#include "output/ucf/ucf_check.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

constexpr std::size_t none = static_cast<std::size_t>(-1);

// The nets of the board: by name, and by the location the UCF file gives.
struct board_nets {
  std::vector<const resolved_pin*> pins;  // in the order of the pin list
  std::unordered_map<std::string_view, std::size_t> by_name;
  const pin_uses& uses;
  // The nets each pattern matches, found once however often a file repeats
  // the pattern (a slot's IOSTANDARD line may come for every module change).
  std::unordered_map<std::string_view, std::vector<std::size_t>> matching{};
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
  const auto [found, fresh] = nets.matching.try_emplace(statement.name);
  if (fresh)
    for (std::size_t k = 0; k < nets.pins.size(); ++k)
      if (matches(statement.name, nets.pins[k]->name)) found->second.push_back(k);
  for (std::size_t k : found->second) each(k);
  return found->second.size();
}

// What the whole file says about a net of the board.
struct net_facts {
  std::size_t placed_at = none;  // the first statement that gives it a LOC
  bool pull_stated = false;
};

std::vector<net_facts> facts_of(board_nets& nets, std::span<const net_statement> statements) {
  std::vector<net_facts> facts(nets.pins.size());
  for (std::size_t k = 0; k < statements.size(); ++k) {
    const net_statement& statement = statements[k];
    // A pattern places no single net: its LOC is not compared.
    const bool places = statement.location && !has_wildcard(statement.name);
    for_each_named(nets, statement, [&](std::size_t net) {
      if (places && facts[net].placed_at == none) facts[net].placed_at = k;
      if (!statement.pull.empty()) facts[net].pull_stated = true;
    });
  }
  return facts;
}

enum difference_kind : std::size_t { differing, not_on_board, on_other_location, not_placed };

constexpr std::string_view kind_words[] = {"differing", "not on this board",
                                           "on another signal's location", "not placed"};

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
  for (const pull_constraint& constraint : pull_constraints)
    if (constraint.pull == pull) return std::string(constraint.keyword);
  return "no pull";
}

// The board's other signals on a location, "QM0_DIN<5> and QM1_X".
std::string others_on(const board_nets& nets, std::string_view location, const resolved_pin& pin) {
  std::string names;
  for (const signal_on_pin& other : signals_on(nets.uses, upper_cased(location)))
    if (other.pin != &pin) names += (names.empty() ? "" : " and ") + other.pin->name;
  return names;
}

void compare_location(check_report& report, const board_nets& nets, const net_statement& statement,
                      const resolved_pin& pin) {
  if (!statement.location || has_wildcard(statement.name)) return;
  const std::string_view location = *statement.location;
  if (equal_in_any_case(location, pin.location)) return;
  const std::string others = others_on(nets, location, pin);
  if (others.empty())
    tell(report, differing, statement.line, pin.name,
         "LOC " + quoted(location) + ", the board has " + quoted(pin.location));
  else
    tell(report, on_other_location, statement.line, pin.name,
         "LOC " + quoted(location) + " is where the board has " + others);
}

void compare_standard(check_report& report, const net_statement& statement,
                      const resolved_pin& pin) {
  if (!statement.standard || equal_in_any_case(*statement.standard, pin.io->standard)) return;
  tell(report, differing, statement.line, pin.name,
       "IOSTANDARD " + std::string(*statement.standard) + ", the board has " +
           std::string(pin.io->standard));
}

// A pull the statement states that is not the board's; and where the file
// places the net but never states the pull the board has, that pull.
void compare_pull(check_report& report, const net_statement& statement, bool pull_left_out,
                  const resolved_pin& pin) {
  const std::string_view pull = pin.io->pull;
  if (!statement.pull.empty() && statement.pull != pull)
    tell(report, differing, statement.line, pin.name,
         pull_words(statement.pull) + ", the board has " + pull_words(pull));
  if (pull_left_out && !pull.empty())
    tell(report, differing, statement.line, pin.name, "no pull, the board has " + pull_words(pull));
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
    report.out << (kind == 0 ? ": " : ", ") << report.counts[kind] << ' ' << kind_words[kind];
  report.out << '\n';
}

}  // namespace

std::size_t check_ucf(const pin_list& pins, const pin_uses& uses,
                      std::span<const net_statement> statements, std::string_view file,
                      std::ostream& out) {
  board_nets nets = index_nets(pins, uses);
  const std::vector<net_facts> facts = facts_of(nets, statements);
  check_report report{file, out, {}, {}};
  for (std::size_t k = 0; k < statements.size(); ++k) {
    const net_statement& statement = statements[k];
    const std::size_t named = for_each_named(nets, statement, [&](std::size_t net) {
      const resolved_pin& pin = *nets.pins[net];
      compare_location(report, nets, statement, pin);
      compare_standard(report, statement, pin);
      // Told once, at the net's first LOC.
      compare_pull(report, statement, facts[net].placed_at == k && !facts[net].pull_stated, pin);
    });
    if (named == 0) tell(report, not_on_board, statement.line, statement.name, "not on this board");
  }
  for (std::size_t net = 0; net < nets.pins.size(); ++net)
    if (facts[net].placed_at == none)
      tell(report, not_placed, 0, nets.pins[net]->name,
           "not placed in this file, the board has " + quoted(nets.pins[net]->location));
  write_summary(report, nets.pins.size());
  return total_of(report);
}

}  // namespace hbpins
