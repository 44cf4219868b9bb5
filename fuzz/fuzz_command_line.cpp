// A whole command line: the input bytes are the arguments, separated by NUL
// bytes as the kernel hands them over, run through the driver in-process with
// the output captured. Each run happens in an emptied scratch directory that
// holds one template, t.vhd; no argument can name a file outside it.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/driver.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view fixture_template =
    "library ieee;\n"
    "entity top is port(\n"
    "  -- QM_BEGIN\n"
    "  -- QM_END\n"
    "  CLK : in std_logic);\n"
    "end top;\r\n"
    "architecture a of top is begin\r"
    "  u : entity work.core port map(\n"
    "  -- QM_MAP_BEGIN\n"
    "  -- QM_MAP_END\n"
    "  CLK => CLK);\n"
    "end a;";

struct scratch_directory {
  fs::path path;
  int home = -1;  // the directory to return to after each run
};

void fail(const char* what, const std::string& output) {
  std::fprintf(stderr, "fuzz_command_line: %s\n--- output ---\n%s\n", what, output.c_str());
  std::abort();
}

void remove_scratch();

// Made on first use and never destroyed, so that it outlives the exit
// handler that removes it.
scratch_directory& scratch() {
  static scratch_directory* dir = [] {
    std::string pattern = (fs::temp_directory_path() / "hbpins-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot make the scratch directory", "");
    auto* made = new scratch_directory{pattern, ::open(".", O_RDONLY | O_DIRECTORY)};
    std::atexit(remove_scratch);
    return made;
  }();
  return *dir;
}

void remove_scratch() {
  fs::remove_all(scratch().path);
}

void enter_scratch() {
  scratch_directory& dir = scratch();
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path))
    fs::remove_all(entry.path());
  if (::chdir(dir.path.c_str()) != 0) fail("cannot enter the scratch directory", "");
  std::ofstream("t.vhd", std::ios::binary) << fixture_template;
}

void leave_scratch() {
  if (::fchdir(scratch().home) != 0) fail("cannot leave the scratch directory", "");
}

// The program turns backslashes into slashes, so neither may reach a name:
// every file a run opens or creates then lies in the scratch directory.
std::vector<std::string> arguments_of(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args{"hbpins"};
  std::string current;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\0') {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(c == '/' || c == '\\' ? '_' : c);
    }
  }
  if (size > 0) args.push_back(current);
  return args;
}

int lowest_free_descriptor() {
  const int fd = ::open("/dev/null", O_RDONLY);
  ::close(fd);
  return fd;
}

void check_outcome(int status, const std::string& output) {
  static const std::set<int> statuses = {0, 1, 2, 3, 4, 5, 100, 101, 103};
  if (statuses.count(status) == 0) fail("unknown exit status", output);
  // The line goes on with the file name as typed, line feeds and all.
  if (status >= 2) {
    const std::string line = "Runtime error " + std::to_string(status);
    if (!output.starts_with(line) && output.find('\n' + line) == std::string::npos)
      fail("an input/output failure without its line", output);
    if (!output.ends_with('\n')) fail("an unfinished last line", output);
  }
  if (status == 1 && !output.ends_with(" or just specify a .ucf output file\n"))
    fail("a usage error without the usage text", output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = arguments_of(data, size);
  scratch();  // made once, before the descriptors are counted
  const int free_before = lowest_free_descriptor();
  enter_scratch();
  std::ostringstream out;
  const int status = hbpins::run(args, out);
  leave_scratch();
  if (lowest_free_descriptor() != free_before) fail("a file left open", out.str());
  check_outcome(status, out.str());
  return 0;
}
