#include "driver/file_names.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace hbpins {
namespace {

TEST(FileNames, CompletionAddsTheDefaultExtension) {
  EXPECT_EQ(complete_file_name("out", ".ucf"), "out.ucf");
  EXPECT_EQ(complete_file_name("out.", ".ucf"), "out.ucf");
  EXPECT_EQ(complete_file_name("out.txt", ".ucf"), "out.txt");
  EXPECT_EQ(complete_file_name("BOARD.UCF", ".ucf"), "BOARD.UCF");
  EXPECT_EQ(complete_file_name("top", ".vhd"), "top.vhd");
  EXPECT_EQ(complete_file_name("a.b.", ".vhd"), "a.b.vhd");
  EXPECT_EQ(complete_file_name("dir.d/top", ".vhd"), "dir.d/top.vhd");
  EXPECT_EQ(complete_file_name("dir.d\\sub\\top", ".vhd"), "dir.d/sub/top.vhd");
  EXPECT_EQ(complete_file_name("..\\x.ucf", ".ucf"), "../x.ucf");
}

TEST(FileNames, OpenErrorNumbers) {
  EXPECT_EQ(open_error_number(ENOENT), 2);
  EXPECT_EQ(open_error_number(ENOTDIR), 3);
  EXPECT_EQ(open_error_number(ENAMETOOLONG), 3);
  EXPECT_EQ(open_error_number(ELOOP), 3);
  EXPECT_EQ(open_error_number(EMFILE), 4);
  EXPECT_EQ(open_error_number(ENFILE), 4);
  for (int error : {EACCES, EPERM, EROFS, EISDIR, ETXTBSY, EINVAL})
    EXPECT_EQ(open_error_number(error), 5) << error;
}

}  // namespace
}  // namespace hbpins
