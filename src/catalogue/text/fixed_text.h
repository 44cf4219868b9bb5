#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hbpins {

// A text of at most N characters held inline, so that every record that
// carries names stays a plain value of fixed size. Assigning a longer text
// keeps its first N characters.
template <std::size_t N>
struct fixed_text {
  static_assert(N < 256, "the length is held in one byte");

  std::array<char, N> chars{};
  std::uint8_t length = 0;

  constexpr fixed_text() = default;
  constexpr fixed_text(std::string_view text) { assign(text); }  // NOLINT: implicit by design
  constexpr fixed_text(const char* text) : fixed_text(std::string_view(text)) {}

  constexpr void assign(std::string_view text) {
    length = static_cast<std::uint8_t>(text.size() < N ? text.size() : N);
    for (std::size_t i = 0; i < length; ++i) chars[i] = text[i];
  }

  constexpr std::string_view view() const { return {chars.data(), length}; }
  constexpr std::size_t size() const { return length; }
  constexpr bool empty() const { return length == 0; }
  constexpr operator std::string_view() const { return view(); }

  friend constexpr bool operator==(const fixed_text& a, std::string_view b) {
    return a.view() == b;
  }
};

}  // namespace hbpins
