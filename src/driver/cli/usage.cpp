#include "driver/cli/usage.h"

#include "catalogue/board_catalogue.h"
#include "catalogue/module_records.h"

#ifndef HBPINS_VERSION
#error "the build defines HBPINS_VERSION, the project version"
#endif

namespace hbpins {

namespace {

// The built-in boards and modules only, whatever the run loads.
void print_board_list(std::ostream& out) {
  for (const board_entry& board : builtin_boards) out << board.number << ", ";
}

// The modules with pin tables; those of a meaning of their own are named
// after them, and 700, the number of the series, not at all.
void print_module_list(std::ostream& out) {
  for (const module_entry& module : builtin_modules)
    if (module.kind == module_kind::pin_tables) out << module.number << ", ";
  out << empty_slot_number << " for empty, " << test_module_number << " and " << general_io_number
      << " for general IO (testing)\n";
}

}  // namespace

void print_usage(std::ostream& out) {
  out << "Usage \n"
         "[-v] [-2|-1|-W|] <QM7xx|QMALL> : show the pinout, --1|2 in one|two columns or WiKi "
         "(not ready)\n"
         "   or\n"
         "[-v] -d <hb_nr> [-s[n] <qm_nr[-qm_mod]>] [-u <ucf_file>] [-c <vhdl_compfile>] "
         "[-t <template_file>] [-o <vhdl_outfile>]\n"
         " -v verbose mode.\n"
         " -d specify the HB #, do this first!\n"
         " alternative just put HBxxx\n"
         "   supported HBxxx: ";
  print_board_list(out);
  out << "\n"
         " -s specify the QMxxx at the slots: either as -s xxx[-x] (use last slot# + 1) or "
         "-s[0-7] xxx[-x]\n"
         "   supported QMxx: ";
  print_module_list(out);
  out << "\n"
         " -c component declaration section (vhdl) only\n"
         " -t read template, if omitted use HB<hb_nr>_template.vhd in program's directory\n"
         " -o insert the signals in the template and write to a file\n"
         " -u write Xilinx .ucf constraints file\n"
         " or just specify a .ucf output file\n";
}

// The usage text stays as scripts know it; --help adds what it leaves out,
// beginning with a synopsis that names every option.
void print_help(std::ostream& out) {
  print_usage(out);
  out << "\n"
         "Synopsis with every option:\n"
         "[-v] [-m <module_file>|-]... [-2|-1|-W|-x] <QM7xx|QMALL>...\n"
         "[-v] [-m <module_file>|-]... [-b <board_file>|-]... -d <hb_nr> "
         "[-s[n] <qm_nr[-qm_mod]>]... [-u <ucf_file>] "
         "[-c <vhdl_compfile>] [-t <template_file>] [-o <vhdl_outfile>] [-p <report_file>|-] "
         "[-k <ucf_file>|-]...\n"
         "[-b <board_file>|-]... -x -d <hb_nr>|HB<hb_nr>\n"
         "--help | --version\n"
         "\n"
         " -c, -t and -o with a name ending in .v or .sv (any case): Verilog instead of\n"
         "    VHDL; without -t, -o then reads HB<hb_nr>_template.v in program's directory\n"
         " -p write the pin report: CSV (.csv added), JSON for a name ending in .json,\n"
         "    a picture of the FPGA package for .svg, a page of the package, the slot\n"
         "    connectors and the pin table for .html, CSV on standard output for -\n"
         "    (all messages and listings then go to standard error)\n"
         " -k check a .ucf file against the board: one line per difference (.ucf added),\n"
         "    standard input for -\n"
         " -m load the modules of a CSV module file (.csv added), for the arguments after it,\n"
         "    standard input for - (read once in a run)\n"
         " -b load the boards of a CSV board file (.csv added), before the board is chosen,\n"
         "    standard input for -\n"
         " -x print later listings as a module file, the CSV that -m reads, and a board\n"
         "    as a board file, the CSV that -b reads (all messages then go to standard\n"
         "    error)\n"
         " --help show this text\n"
         " --version show the program's version\n"
         "\n"
         "Exit status:\n"
         "   0 success\n"
         "   1 usage error (the message and the usage text are printed), or a module\n"
         "     file, a board file or a .ucf file of -k with faults in its text\n"
         "     (FILE:LINE: message)\n"
         "   2 a file was not found\n"
         "   3 path problem: not a directory, name too long, or links that loop\n"
         "   4 too many open files\n"
         "   5 access denied, or another failure to open or create a file\n"
         "  10 -k found differences\n"
         " 100 the template, a module or board file or a .ucf file of -k could not be read\n"
         " 101 a file or standard output could not be written\n"
         " 103 the template was used up by an earlier -o (give -t again)\n"
         " 128+n ended by signal n (no temporary file is left behind)\n";
}

void print_version(std::ostream& out) {
  out << "hbpins " HBPINS_VERSION "\n";
}

}  // namespace hbpins
