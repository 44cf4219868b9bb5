#include "catalogue/signal_families.h"

#include "catalogue/direction_table.h"
#include "catalogue/signal_names.h"
#include "catalogue/text/ascii_case.h"

namespace hbpins {

namespace {

std::string mode_word(direction dir) {
  return std::string(mode_name(direction_info(dir).mode));
}

std::string repeated(std::string_view name, const std::string& where) {
  return "signal: expected each name once, found " + std::string(name) + " also on " + where;
}

}  // namespace

std::string add_signal(signal_families& families, std::string_view name, direction dir,
                       const std::string& where) {
  const std::optional<vector_bit> bit = vector_bit_of(name);
  const std::string_view base_name = bit ? bit->base_name : name;
  const std::string key = upper_cased(base_name);
  const auto [found, fresh] = families.try_emplace(key);
  signal_family& family = found->second;
  if (fresh) family = {bit.has_value(), dir, std::string(name), {}, where};
  if (family.is_vector != bit.has_value()) {
    return "signal: expected " + std::string(base_name) +
           " either as a plain signal or as a vector, found " + std::string(name) + " and " +
           family.first_name + " on " + family.where;
  }
  if (!bit) return fresh ? std::string() : repeated(name, family.where);
  if (const auto [known, added] = family.bits.try_emplace(bit->index, where); !added)
    return repeated(name, known->second);
  if (direction_info(dir).mode != direction_info(family.dir).mode) {
    return "direction: expected " + mode_word(family.dir) + ", as " + family.first_name + " on " +
           family.where + ", found " + mode_word(dir);
  }
  return {};
}

}  // namespace hbpins
