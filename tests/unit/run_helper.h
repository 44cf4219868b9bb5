#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace hbpins::testing {

struct run_result {
  int status;
  std::string output;
};

inline std::string read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a command line in-process, as if typed after the program name.
inline run_result run_line(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "hbpins");
  std::ostringstream out;
  const int status = run(arguments, out);
  return {status, out.str()};
}

inline const std::string usage_text =
    "Usage \n"
    "[-v] [-2|-1|-W|] <QM7xx|QMALL> : show the pinout, --1|2 in one|two columns or WiKi (not "
    "ready)\n"
    "   or\n"
    "[-v] -d <hb_nr> [-s[n] <qm_nr[-qm_mod]>] [-u <ucf_file>] [-c <vhdl_compfile>] [-t "
    "<template_file>] [-o <vhdl_outfile>]\n"
    " -v verbose mode.\n"
    " -d specify the HB #, do this first!\n"
    " alternative just put HBxxx\n"
    "   supported HBxxx: 701, 706, 709, 710, 711, \n"
    " -s specify the QMxxx at the slots: either as -s xxx[-x] (use last slot# + 1) or -s[0-7] "
    "xxx[-x]\n"
    "   supported QMxx: 701, 702, 703, 704, 706, 707, 709, 710, 711, 712, 713, 714, 715, 717, "
    "720, 721, 722, 724, 725, 726, 727, 728, 730, 731, 733, 734, 735, 736, 737, 739, 740, 954 "
    "for empty, 953 and 955 for general IO (testing)\n"
    "\n"
    " -c component declaration section (vhdl) only\n"
    " -t read template, if omitted use HB<hb_nr>_template.vhd in program's directory\n"
    " -o insert the signals in the template and write to a file\n"
    " -u write Xilinx .ucf constraints file\n"
    " or just specify a .ucf output file\n";

// What a usage error prints.
inline std::string usage_error_text(const std::string& message) {
  return message + "\n" + usage_text;
}

}  // namespace hbpins::testing
