#include "driver/output_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/driver_errors.h"
#include "run_helper.h"

namespace hbpins {
namespace {

namespace fs = std::filesystem;

class OutputFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("hbpins-output-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  // The error number of a failed write_output_file, 0 when it succeeded.
  static int failure_number(const std::string& name, const std::string& text) {
    try {
      write_output_file(name, [&text](std::ostream& out) { out << text; });
    } catch (const io_failure& failure) {
      return failure.number;
    }
    return 0;
  }

  fs::path dir_;
};

TEST_F(OutputFile, WritesAndReplacesTheFile) {
  EXPECT_EQ(failure_number(path("a.ucf"), "first\n"), 0);
  EXPECT_EQ(failure_number(path("a.ucf"), "second\n"), 0);
  EXPECT_EQ(testing::read_file(path("a.ucf")), "second\n");
}

TEST_F(OutputFile, OpenFailuresCarryTheirNumbers) {
  EXPECT_EQ(failure_number(path("missing/a.ucf"), "x"), 2);
  EXPECT_EQ(failure_number(path(""), "x"), 5);  // the directory itself
  std::ofstream(path("plain")) << "x";
  EXPECT_EQ(failure_number(path("plain/a.ucf"), "x"), 3);
  EXPECT_EQ(failure_number(path(std::string(300, 'n')), "x"), 3);
  EXPECT_FALSE(fs::exists(path("missing")));
}

TEST_F(OutputFile, AFullDeviceIsAWriteFailureAndIsLeftAlone) {
  fs::create_symlink("/dev/full", path("full.ucf"));
  EXPECT_EQ(failure_number(path("full.ucf"), std::string(100000, 'x')), 101);
  EXPECT_TRUE(fs::is_symlink(path("full.ucf")));
  EXPECT_TRUE(fs::exists("/dev/full"));
}

TEST_F(OutputFile, AFailureWhileWritingRemovesTheHalfWrittenFile) {
  std::ofstream(path("done.ucf")) << "finished earlier\n";
  try {
    write_output_file(path("half.vhd"), [](std::ostream& out) {
      out << "begun\n";
      throw io_failure{100, "template read failed"};
    });
    FAIL() << "no failure";
  } catch (const io_failure& failure) {
    EXPECT_EQ(failure.number, 100);
  }
  EXPECT_FALSE(fs::exists(path("half.vhd")));
  EXPECT_EQ(testing::read_file(path("done.ucf")), "finished earlier\n");
}

}  // namespace
}  // namespace hbpins
