#include "catalogue/board_check.h"

#include <algorithm>
#include <map>

#include "catalogue/direction_table.h"
#include "catalogue/number_classes.h"
#include "catalogue/package_pins.h"
#include "catalogue/signal_families.h"
#include "catalogue/signal_names.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

// The board's signals over its tables, in order.
std::vector<const pin_type*> signals_of(const board_entry& board) {
  std::vector<const pin_type*> signals;
  for (std::span<const pin_type> table : board.signal_tables)
    for (const pin_type& signal : table) signals.push_back(&signal);
  return signals;
}

board_problem on_signal(std::size_t signal) {
  board_problem place;
  place.signal = signal;
  return place;
}

board_problem on_position(std::size_t slot, int position) {
  board_problem place;
  place.slot = static_cast<std::uint8_t>(slot);
  place.position = static_cast<std::uint8_t>(position);
  return place;
}

struct board_checker {
  const board_entry& board;
  std::vector<const pin_type*> signals = signals_of(board);
  std::vector<board_problem> problems{};

  void report(board_problem place, std::string message) {
    place.message = std::move(message);
    problems.push_back(std::move(place));
  }
  void report(std::string message) { report({}, std::move(message)); }
  void report_signal(std::size_t signal, std::string message) {
    report(on_signal(signal), std::move(message));
  }
  void report_position(std::size_t slot, int position, std::string message) {
    report(on_position(slot, position), std::move(message));
  }
};

void check_counts(board_checker& check) {
  const std::size_t slots = slot_count(check.board);
  if (!slot_counts.contains(static_cast<std::int64_t>(slots)))
    check.report("slot: expected " + range_text(slot_counts) + " slots, found " +
                 std::to_string(slots));
  const std::size_t count = check.signals.size();
  if (!board_signal_counts.contains(static_cast<std::int64_t>(count)))
    check.report("signal: expected " + range_text(board_signal_counts) + " board signals, found " +
                 std::to_string(count));
  if (count > 0 && direction_info(check.signals[0]->dir).mode != port_mode::inp)
    check.report_signal(0, "direction: expected in for the clock net, the first signal, found " +
                               std::string(mode_name(direction_info(check.signals[0]->dir).mode)));
}

// "MGT_0_TX_p" and "MGT_0_TX_n" are the halves of one pair, and so are
// "LVDS_p<1>" and "LVDS_n<1>".
void check_pairs(board_checker& check,
                 const std::map<std::string, std::pair<direction, std::size_t>>& signals) {
  for (const auto& [name, found_at] : signals) {
    const auto [dir, at] = found_at;
    if (!is_lvds(dir)) continue;
    const bool p = is_lvds_p(dir);
    const std::size_t half = name.rfind(p ? "_p" : "_n");
    std::string other = name;
    if (half != std::string::npos) other.replace(half, 2, p ? "_n" : "_p");
    const auto found = signals.find(other);
    const auto other_dir = static_cast<direction>(static_cast<int>(dir) + (p ? 1 : -1));
    if (half == std::string::npos || found == signals.end() || found->second.first != other_dir)
      check.report_signal(at, "signal: expected the other half of the LVDS pair " + name);
  }
}

void check_signals(board_checker& check) {
  signal_families families;
  std::map<std::string, std::pair<direction, std::size_t>> signals;
  for (std::size_t s = 0; s < check.signals.size(); ++s) {
    const pin_type& signal = *check.signals[s];
    const std::string name(signal.name.view());
    const std::string where = "location " + std::string(signal.loc.view());
    if (!is_module_signal_name(name))
      check.report_signal(s, std::string(signal_name_expected) + quoted(name));
    else if (std::string problem = add_signal(families, name, signal.dir, where); !problem.empty())
      check.report_signal(s, std::move(problem));
    signals.try_emplace(name, signal.dir, s);
  }
  check_pairs(check, signals);
}

std::string outside(const package_shape& package, std::string_view location) {
  return "location: expected " + package_locations(package) + ", found " + quoted(location);
}

// Where the package is unknown, no location can be judged.
void check_package(board_checker& check) {
  const board_entry& board = check.board;
  if (pin_count(board.package) == 0) {
    check.report("package: expected a quad flat pack or a ball grid, found none");
    return;
  }
  for (std::size_t s = 0; s < board.connectors.size(); ++s)
    for (int p = first_position; p <= last_position; ++p)
      if (const std::string_view loc = board.connectors[s][p].view();
          loc != "0" && !is_package_location(board.package, loc))
        check.report_position(s, p, outside(board.package, loc));
  for (std::size_t s = 0; s < check.signals.size(); ++s)
    if (const std::string_view loc = check.signals[s]->loc.view();
        !is_package_location(board.package, loc))
      check.report_signal(s, outside(board.package, loc));
}

// Who uses a location: a connector position or a board signal.
struct location_user {
  std::string name;
  board_problem place;
};

void check_locations(board_checker& check) {
  const board_entry& board = check.board;
  std::map<std::string, std::vector<location_user>> users;
  for (std::size_t s = 0; s < board.connectors.size(); ++s)
    for (int p = first_position; p <= last_position; ++p)
      if (const std::string loc(board.connectors[s][p].view()); loc != "0")
        users[loc].push_back(
            {"slot " + std::to_string(s) + " position " + std::to_string(p), on_position(s, p)});
  for (std::size_t s = 0; s < check.signals.size(); ++s)
    users[std::string(check.signals[s]->loc.view())].push_back(
        {std::string(check.signals[s]->name.view()), on_signal(s)});
  for (const auto& [loc, on_it] : users) {
    const bool signals_only = std::all_of(
        on_it.begin(), on_it.end(), [](const auto& user) { return user.place.position == 0; });
    if (on_it.size() < 2 || signals_only) continue;
    std::string names;
    for (const location_user& user : on_it) names += (names.empty() ? "" : ", ") + user.name;
    check.report(on_it.back().place, "location " + loc + ": expected one use, found " + names);
  }
}

}  // namespace

std::vector<board_problem> check_board(const board_entry& board) {
  board_checker check{board};
  check_counts(check);
  check_package(check);
  check_signals(check);
  check_locations(check);
  return std::move(check.problems);
}

}  // namespace hbpins
