#include "driver/number_reading.h"

#include <gtest/gtest.h>

namespace hbpins {
namespace {

struct reading_case {
  const char* text;
  bool ok;
  std::uint64_t value;
};

TEST(NumberReading, FollowsTheCommandLineRule) {
  const reading_case cases[] = {
      {"710", true, 710},
      {" +710", true, 710},
      {"\t 710", true, 710},
      {"$2C6", true, 710},
      {"x2c6", true, 710},
      {"X2C6", true, 710},
      {"0x2c6", true, 710},
      {"0X2C6", true, 710},
      {"%1011000110", true, 710},
      {"&1306", true, 710},
      {"0", true, 0},
      {"007", true, 7},
      {"18446744073709551615", true, 18446744073709551615u},
      {"$FFFFFFFFFFFFFFFF", true, 18446744073709551615u},
      {"", false, 0},
      {"  ", false, 0},
      {"+", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"%", false, 0},
      {"-1", false, 0},
      {"12a", false, 0},
      {"710 ", false, 0},
      {"+ 710", false, 0},
      {"++710", false, 0},
      {"%102", false, 0},
      {"&8", false, 0},
      {"$G", false, 0},
      {"18446744073709551616", false, 0},
      {"$10000000000000000", false, 0},
  };
  for (const reading_case& c : cases) {
    const number_reading reading = read_number(c.text);
    EXPECT_EQ(reading.ok, c.ok) << '"' << c.text << '"';
    EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
  }
}

TEST(NumberReading, KeepsTheLowBitsOfItsUse) {
  EXPECT_EQ(static_cast<std::uint16_t>(read_number("66246").value), 710);
  EXPECT_EQ(static_cast<std::uint8_t>(read_number("260").value), 4);
}

}  // namespace
}  // namespace hbpins
