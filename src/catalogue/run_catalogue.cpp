#include "catalogue/run_catalogue.h"

#include <span>

namespace hbpins {

namespace {

template <typename Loaded>
const Loaded* find_loaded(const std::vector<std::unique_ptr<const Loaded>>& loaded,
                          std::uint32_t number) {
  for (const auto& entry : loaded)
    if (entry->entry.number == number) return entry.get();
  return nullptr;
}

template <typename Entry, typename Loaded>
const Entry* find_entry(std::span<const Entry> builtin,
                        const std::vector<std::unique_ptr<const Loaded>>& loaded,
                        std::uint32_t number) {
  for (const Entry& entry : builtin)
    if (entry.number == number) return &entry;
  const Loaded* found = find_loaded(loaded, number);
  return found == nullptr ? nullptr : &found->entry;
}

// The built-in entries that pass, then every loaded one.
template <typename Entry, typename Loaded, typename Listed>
std::vector<const Entry*> listed_entries(std::span<const Entry> builtin,
                                         const std::vector<std::unique_ptr<const Loaded>>& loaded,
                                         Listed is_listed) {
  std::vector<const Entry*> listed;
  for (const Entry& entry : builtin)
    if (is_listed(entry)) listed.push_back(&entry);
  for (const auto& entry : loaded) listed.push_back(&entry->entry);
  return listed;
}

}  // namespace

const board_entry* find_board(const run_catalogue& catalogue, std::uint32_t number) {
  return find_entry(builtin_boards, catalogue.boards, number);
}

const loaded_board* find_loaded_board(const run_catalogue& catalogue, std::uint32_t number) {
  return find_loaded(catalogue.boards, number);
}

std::vector<const board_entry*> listed_boards(const run_catalogue& catalogue) {
  return listed_entries(builtin_boards, catalogue.boards, [](const board_entry&) { return true; });
}

const module_entry* find_module(const run_catalogue& catalogue, std::uint32_t number) {
  return find_entry(builtin_modules, catalogue.modules, number);
}

const loaded_module* find_loaded_module(const run_catalogue& catalogue, std::uint32_t number) {
  return find_loaded(catalogue.modules, number);
}

std::vector<const module_entry*> listed_modules(const run_catalogue& catalogue) {
  return listed_entries(builtin_modules, catalogue.modules, is_listed);
}

}  // namespace hbpins
