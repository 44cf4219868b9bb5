#include "catalogue/board_check.h"

#include <algorithm>
#include <map>

#include "catalogue/signal_families.h"
#include "catalogue/signal_names.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

bool is_lvds(direction dir) {
  return dir >= direction::lvds_in_p && dir <= direction::lvds_out_n;
}

// "MGT_0_TX_p" and "MGT_0_TX_n" are the halves of one pair, and so are
// "LVDS_p<1>" and "LVDS_n<1>". The p half's direction comes just before the
// n half's.
void check_pairs(const std::map<std::string, direction>& signals,
                 std::vector<std::string>& problems) {
  for (const auto& [name, dir] : signals) {
    if (!is_lvds(dir)) continue;
    const bool p = (static_cast<int>(dir) - static_cast<int>(direction::lvds_in_p)) % 2 == 0;
    const std::size_t half = name.rfind(p ? "_p" : "_n");
    std::string other = name;
    if (half != std::string::npos) other.replace(half, 2, p ? "_n" : "_p");
    const auto found = signals.find(other);
    const auto other_dir = static_cast<direction>(static_cast<int>(dir) + (p ? 1 : -1));
    if (half == std::string::npos || found == signals.end() || found->second != other_dir)
      problems.push_back("signal: expected the other half of the LVDS pair " + name);
  }
}

void check_signals(const board_entry& board, std::vector<std::string>& problems) {
  signal_families families;
  std::map<std::string, direction> signals;
  for (std::span<const pin_type> table : board.signal_tables) {
    for (const pin_type& signal : table) {
      const std::string name(signal.name.view());
      const std::string where = "location " + std::string(signal.loc.view());
      if (!is_module_signal_name(name))
        problems.push_back(std::string(signal_name_expected) + quoted(name));
      else if (std::string problem = add_signal(families, name, signal.dir, where);
               !problem.empty())
        problems.push_back(problem);
      signals.emplace(name, signal.dir);
    }
  }
  check_pairs(signals, problems);
}

bool is_letter_or_digit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

void add_user(std::map<std::string, std::vector<std::string>>& users, std::string_view location,
              std::string user, std::vector<std::string>& problems) {
  if (!is_location_text(location))
    problems.push_back(user + ": expected a location of 1 to " +
                       std::to_string(max_location_length) + " letters and digits, found " +
                       quoted(location));
  users[std::string(location)].push_back(std::move(user));
}

void check_locations(const board_entry& board, std::vector<std::string>& problems) {
  std::map<std::string, std::vector<std::string>> users;
  for (std::size_t s = 0; s < board.connectors.size(); ++s)
    for (int p = first_position; p <= last_position; ++p)
      if (const std::string_view loc = board.connectors[s][p].view(); loc != "0")
        add_user(users, loc, "slot " + std::to_string(s) + " position " + std::to_string(p),
                 problems);
  for (std::span<const pin_type> table : board.signal_tables)
    for (const pin_type& signal : table)
      add_user(users, signal.loc.view(), std::string(signal.name.view()), problems);
  for (const auto& [loc, on_it] : users) {
    if (on_it.size() < 2) continue;
    std::string names;
    for (const std::string& user : on_it) names += (names.empty() ? "" : ", ") + user;
    problems.push_back("location " + loc + ": expected one use, found " + names);
  }
}

}  // namespace

bool is_location_text(std::string_view text) {
  return !text.empty() && text.size() <= max_location_length &&
         std::all_of(text.begin(), text.end(), is_letter_or_digit);
}

std::vector<std::string> check_board(const board_entry& board) {
  std::vector<std::string> problems;
  if (!slot_counts.contains(static_cast<std::int64_t>(slot_count(board))))
    problems.push_back("connectors: expected " + range_text(slot_counts) + " slots, found " +
                       std::to_string(slot_count(board)));
  check_signals(board, problems);
  check_locations(board, problems);
  return problems;
}

}  // namespace hbpins
