// A whole command line: the input bytes are the arguments, separated by NUL
// bytes as the kernel hands them over, run through the driver in-process.
// Each run starts in an emptied scratch directory holding two templates,
// t.vhd and t.v, one module file, m.csv, and one board file, b.csv; slashes
// and backslashes are taken out of the arguments, so that no name reaches
// outside it. A run must end with a known status, say why, and leave no file
// open. A file that -k cannot read as UCF, or a module or board file with
// problems, ends the run with status 1 and its "NAME:LINE: message" lines
// instead of the usage text, and so does a module or board file loaded
// twice, with its one line.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "driver/cli/driver.h"

namespace {

namespace fs = std::filesystem;

void fail(const char* what, const std::string& output) {
  std::fprintf(stderr, "fuzz_command_line: %s\n--- output ---\n%s\n", what, output.c_str());
  std::abort();
}

// Made on first use and never destroyed, so that it outlives the exit
// handler that removes it.
const fs::path& scratch() {
  static const fs::path* const dir = [] {
    std::string pattern = (fs::temp_directory_path() / "hbpins-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr || ::chdir(pattern.c_str()) != 0)
      fail("cannot enter a scratch directory", "");
    std::atexit([] { fs::remove_all(scratch()); });
    return new fs::path(pattern);
  }();
  return *dir;
}

// "NAME:LINE: message", or "hbpins: NAME is loaded twice": what refuses an
// input file instead of the usage text.
bool ends_with_file_line(const std::string& output) {
  static const std::regex file_line("(:[0-9]+: [^\n]*|^\n?hbpins: [^\n]* is loaded twice)\n$");
  const std::size_t start = output.rfind('\n', output.size() < 2 ? 0 : output.size() - 2);
  return std::regex_search(output.substr(start == std::string::npos ? 0 : start), file_line);
}

int lowest_free_descriptor() {
  const int fd = ::open("/dev/null", O_RDONLY);
  ::close(fd);
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch()))
    fs::remove_all(entry.path());
  std::ofstream("t.vhd") << "entity top is port(\n  -- QM_BEGIN\n  CLK : in std_logic);\r\n"
                            "end top;\rarchitecture a of top is begin\n  -- QM_MAP_BEGIN\nend a;";
  std::ofstream("t.v") << "module top (\n  // QM_BEGIN\n  input wire CLK);\r\n"
                          "core c (\r  // QM_MAP_BEGIN -- QM_BEGIN\n  .CLK(CLK));\nendmodule";
  std::ofstream("m.csv") << "module,variant,position,signal,direction,standard\n"
                            "760,0,3,D_p,in,LVDS_25\n760,0,4,D_n,in,LVDS_25\n"
                            "760,1,5,Q<0>,out,\n760,1,6,Q<1>,out,\n";
  std::ofstream("b.csv") << "board,package,prefix,slot,position,signal,location,direction\n"
                            "712,QFP64,P,,,,,\n712,,,0,3,,1,\n712,,,0,4,,2,\n712,,,1,3,,3,\n"
                            "712,,,,,CLK,4,in\n";
  std::vector<std::string> args{"hbpins", ""};
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\0')
      args.emplace_back();
    else
      args.back().push_back(c == '/' || c == '\\' ? '_' : c);
  }
  if (size == 0) args.pop_back();

  const int free_before = lowest_free_descriptor();
  std::ostringstream out;
  const int status = hbpins::run(args, out, out);
  const std::string output = out.str();
  if (lowest_free_descriptor() != free_before) fail("a file left open", output);
  static const std::set<int> statuses = {0, 1, 2, 3, 4, 5, 10, 100, 101, 103};
  if (!statuses.contains(status)) fail("an unknown exit status", output);
  if (status >= 2 && status != 10 &&
      output.find("Runtime error " + std::to_string(status)) == std::string::npos)
    fail("an input/output failure without its line", output);
  if (status == 10 && output.find(" differences: ") == std::string::npos &&
      output.find(" difference: ") == std::string::npos)
    fail("differences without their summary", output);
  if (status == 1 && !output.ends_with(" or just specify a .ucf output file\n") &&
      !ends_with_file_line(output))
    fail("a usage error without the usage text", output);
  return 0;
}
