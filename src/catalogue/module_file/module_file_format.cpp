#include "catalogue/module_file/module_file_format.h"

#include <algorithm>
#include <vector>

#include "catalogue/text/ascii_case.h"

namespace hbpins {

namespace {

// The distinct words of one column of the direction table, in its order,
// as "a, b or c".
std::string word_list(std::string_view module_file_direction::*words) {
  std::vector<std::string_view> distinct;
  for (const module_file_direction& entry : module_file_directions)
    if (std::find(distinct.begin(), distinct.end(), entry.*words) == distinct.end())
      distinct.push_back(entry.*words);
  std::string list;
  for (std::size_t k = 0; k < distinct.size(); ++k)
    list.append(k == 0 ? "" : k + 1 < distinct.size() ? ", " : " or ").append(distinct[k]);
  return list;
}

std::string_view spelt(std::string_view module_file_direction::*words, std::string_view written) {
  for (const module_file_direction& entry : module_file_directions)
    if (equal_in_any_case(entry.*words, written)) return entry.*words;
  return {};
}

}  // namespace

std::string module_file_header() {
  std::string header;
  for (const column_entry& column : module_file_columns)
    header.append(header.empty() ? "" : ",").append(column.name);
  return header;
}

std::optional<module_file_direction> words_of(direction dir) {
  for (const module_file_direction& entry : module_file_directions)
    if (entry.on_odd == dir || entry.on_even == dir) return entry;
  return std::nullopt;
}

std::string_view direction_word(std::string_view written) {
  return spelt(&module_file_direction::direction_word, written);
}

std::string_view standard_word(std::string_view written) {
  return spelt(&module_file_direction::standard_word, written);
}

std::optional<module_file_direction> direction_of_words(std::string_view direction_word,
                                                        std::string_view standard_word) {
  for (const module_file_direction& entry : module_file_directions)
    if (entry.direction_word == direction_word && entry.standard_word == standard_word)
      return entry;
  return std::nullopt;
}

std::string direction_word_list() {
  return word_list(&module_file_direction::direction_word);
}

std::string standard_word_list() {
  return word_list(&module_file_direction::standard_word);
}

}  // namespace hbpins
