#include <gtest/gtest.h>

#include <cerrno>

#include "driver/cli/number_reading.h"
#include "driver/files/file_names.h"

namespace hbpins {
namespace {

TEST(CommandLine, NumberReading) {
  const struct {
    const char* text;
    bool ok;
    std::uint64_t value;
  } cases[] = {
      // clang-format off
      {"710", true, 710}, {" +710", true, 710}, {"\t 710", true, 710}, {"$2C6", true, 710},
      {"x2c6", true, 710}, {"X2C6", true, 710}, {"0x2c6", true, 710}, {"0X2C6", true, 710},
      {"%1011000110", true, 710}, {"&1306", true, 710}, {"0", true, 0}, {"007", true, 7},
      {"$FFFFFFFFFFFFFFFF", true, 18446744073709551615u},
      {"18446744073709551615", true, 18446744073709551615u},
      {"18446744073709551616", false, 0}, {"$10000000000000000", false, 0},
      {"", false, 0}, {"  ", false, 0}, {"+", false, 0}, {"$", false, 0}, {"0x", false, 0},
      {"%", false, 0}, {"-1", false, 0}, {"12a", false, 0}, {"710 ", false, 0},
      {"+ 710", false, 0}, {"++710", false, 0}, {"%102", false, 0}, {"&8", false, 0},
      {"$G", false, 0},
      // clang-format on
  };
  for (const auto& c : cases) {
    const number_reading reading = read_number(c.text);
    EXPECT_EQ(reading.ok, c.ok) << '"' << c.text << '"';
    EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
  }
}

TEST(CommandLine, FileNameCompletion) {
  EXPECT_EQ(complete_file_name("out", ".ucf"), "out.ucf");
  EXPECT_EQ(complete_file_name("out.", ".ucf"), "out.ucf");
  EXPECT_EQ(complete_file_name("out.txt", ".ucf"), "out.txt");
  EXPECT_EQ(complete_file_name("a.b.", ".vhd"), "a.b.vhd");
  EXPECT_EQ(complete_file_name("dir.d/top", ".vhd"), "dir.d/top.vhd");
  EXPECT_EQ(complete_file_name("dir.d\\sub\\top", ".vhd"), "dir.d/sub/top.vhd");
  EXPECT_EQ(complete_file_name("..\\x.ucf", ".ucf"), "../x.ucf");
}

TEST(CommandLine, DirectoryParts) {
  EXPECT_EQ(directory_part("top.vhd"), "");
  EXPECT_EQ(directory_part("/top.vhd"), "/");
  EXPECT_EQ(directory_part("a/b.c/top"), "a/b.c/");
  EXPECT_EQ(directory_part("a/b/"), "a/b/");
  EXPECT_EQ(directory_part("a\\b"), "");
}

TEST(CommandLine, OpenErrorStatuses) {
  for (int error : {ENOENT}) EXPECT_EQ(open_error_status(error), exit_status::not_found);
  for (int error : {ENOTDIR, ENAMETOOLONG, ELOOP})
    EXPECT_EQ(open_error_status(error), exit_status::bad_path);
  for (int error : {EMFILE, ENFILE})
    EXPECT_EQ(open_error_status(error), exit_status::too_many_files);
  for (int error : {EACCES, EPERM, EROFS, EISDIR, ETXTBSY})
    EXPECT_EQ(open_error_status(error), exit_status::denied);
}

}  // namespace
}  // namespace hbpins
