// The classes of arguments that the argument loop and the look ahead over the
// whole command line share: what each argument is taken for, how many
// arguments it takes, and what the look ahead makes of whole command lines.

#include "driver/cli/argument_classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/text/ascii_case.h"

namespace hbpins {
namespace {

using enum argument_role;

argument_class class_of(const std::string& whole, bool board_chosen) {
  return classify_argument(whole, upper_cased(whole), board_chosen);
}

TEST(ArgumentClasses, RoleAndArgumentsUsed) {
  const struct {
    const char* argument;
    bool board_chosen;
    argument_role role;
    std::size_t used;
  } cases[] = {
      // clang-format off
      {"--help", false, help, 1}, {"--version", true, version, 1},
      {"--HELP", false, unknown, 1}, {"--helpx", false, unknown, 1}, {"--v", false, unknown, 1},
      {"-v", false, setting, 1}, {"-Verbose", true, setting, 1}, {"-1", false, setting, 1},
      {"-2x", false, setting, 1}, {"-wiki", false, setting, 1}, {"-x", false, setting, 1},
      {"-Xyz", true, setting, 1},
      {"-d", false, board, 2}, {"-D", true, board, 2}, {"HB710", false, board, 1},
      {"hb", true, board, 1},
      {"-s", false, module, 2}, {"-s3", true, module, 2}, {"QM722", true, module, 1},
      {"qmall", true, module, 1},
      {"QM722", false, listing, 1}, {"qm", false, listing, 1}, {"QMALL", false, listing, 1},
      {"-u", false, output, 2}, {"-c", true, output, 2}, {"-o", true, output, 2},
      {"-pins", true, output, 2}, {"-k", true, output, 2}, {"board.ucf", true, output, 1},
      {"B.UcF", false, output, 1}, {"-x.ucf", true, output, 1}, {"-t.ucf", true, output, 1},
      {"-m.UCF", true, output, 1}, {"-p.ucf", true, output, 1}, {"-s.ucf", true, module, 2},
      {"-d.ucf", true, board, 2}, {"QM.ucf", false, listing, 1},
      {"-t", false, template_input, 2}, {"-Template", true, template_input, 2},
      {"-m", false, module_file, 2}, {"-mods", true, module_file, 2},
      {"-b", false, board_file, 2}, {"-Boards", true, board_file, 2}, {"-b.ucf", true, output, 1},
      {"-", false, unknown, 1}, {"", false, unknown, 1}, {"-y", true, unknown, 1},
      {"ucf", true, unknown, 1}, {".ucf", true, output, 1}, {"board.ucf ", true, unknown, 1},
      // clang-format on
  };
  for (const auto& c : cases) {
    const argument_class found = class_of(c.argument, c.board_chosen);
    EXPECT_EQ(found.role, c.role) << '"' << c.argument << "\" " << c.board_chosen;
    EXPECT_EQ(found.used, c.used) << '"' << c.argument << "\" " << c.board_chosen;
  }
}

// Only --help, --version and QMALL before a board end the run; only -p may
// write to standard output, and only -o merges the template.
TEST(ArgumentClasses, WhatEndsTheRunAndWhatOutputsDo) {
  for (const char* argument : {"--help", "--version", "QMALL", "qmall", "QmAlL"})
    EXPECT_TRUE(class_of(argument, false).ends_run) << argument;
  for (const char* argument : {"QMALLX", "QM722", "-v", "-x", "QMAL", "-d", "--help "})
    EXPECT_FALSE(class_of(argument, false).ends_run) << argument;
  EXPECT_FALSE(class_of("QMALL", true).ends_run);
  for (const char* argument : {"-u", "-c", "-o", "-p", "-P", "-pins", "-k", "x.ucf", "-p.ucf"}) {
    const argument_class found = class_of(argument, true);
    const std::string upper = upper_cased(argument);
    EXPECT_EQ(found.may_write_stdout, upper.starts_with("-P") && !upper.ends_with(".UCF"))
        << argument;
    EXPECT_EQ(found.reads_template, upper.starts_with("-O")) << argument;
  }
  for (const char* argument : {"-t", "-m", "-x", "-d", "-s", "QM722"}) {
    EXPECT_FALSE(class_of(argument, true).may_write_stdout) << argument;
    EXPECT_FALSE(class_of(argument, true).reads_template) << argument;
  }
}

// In the module file layout a board before the board is chosen is exported,
// which ends the run; once a board is chosen, a second is refused as ever.
TEST(ArgumentClasses, BoardsExportedInTheModuleFileLayout) {
  for (const auto& [argument, used] : {std::pair{"-d", 2u}, {"-Dx", 2u}, {"HB710", 1u}}) {
    const argument_class found = classify_argument(argument, upper_cased(argument), false, true);
    EXPECT_EQ(found.role, board_export) << argument;
    EXPECT_EQ(found.used, used) << argument;
    EXPECT_TRUE(found.ends_run) << argument;
    EXPECT_EQ(classify_argument(argument, upper_cased(argument), true, true).role, board);
  }
  EXPECT_EQ(classify_argument("QM722", "QM722", false, true).role, listing);
}

TEST(ArgumentClasses, OutlineOfCommandLines) {
  const struct {
    std::vector<std::string> arguments;  // after the program path
    bool module_file_layout;
    bool report_to_stdout;
    std::size_t last_merge;
  } cases[] = {
      {{}, false, false, 0},
      {{"-x", "QM722"}, true, false, 0},
      {{"QM722", "-X"}, true, false, 0},
      {{"-d", "701", "-xyz"}, true, false, 0},
      // a value, a bare UCF name, after QMALL: no -x switch
      {{"-t", "-x", "QM722"}, false, false, 0},
      {{"-m", "-x"}, false, false, 0},
      {{"-d", "701", "-x.ucf"}, false, false, 0},
      {{"QMALL", "-x"}, false, false, 0},
      {{"--help", "-x"}, false, false, 0},
      // after a board QMALL is a module and ends nothing
      {{"HB701", "QMALL", "-x"}, true, false, 0},
      {{"-d", "701", "-p", "-"}, false, true, 0},
      {{"-d", "701", "-Pins", "-", "-x"}, true, true, 0},
      {{"-d", "701", "-p.ucf", "-"}, false, false, 0},
      {{"-v", "-t", "-p", "-"}, false, false, 0},
      {{"-d", "701", "-p", "-", "-p", "x"}, false, true, 0},
      {{"-d", "701", "-p", "x", "-"}, false, false, 0},
      {{"-d", "701", "-p"}, false, false, 0},
      {{"-d", "701", "-c", "-"}, false, false, 0},
      {{"-d", "701", "-k", "-"}, false, false, 0},
      {{"--version", "-p", "-"}, false, false, 0},
      // -s takes a value before a board too, where the run refuses it
      {{"-s", "-p", "-"}, false, false, 0},
      {{"-s", "-x"}, false, false, 0},
      // the index of the last -o; a value "-o" is none
      {{"-d", "701", "-o", "top"}, false, false, 3},
      {{"-d", "701", "-o", "a", "-t", "t", "-Out", "b", "-t", "u"}, false, false, 7},
      {{"-t", "-o", "-d", "701"}, false, false, 0},
      {{"-d", "701", "-u", "-o"}, false, false, 0},
      {{"-d", "701", "-o.ucf"}, false, false, 0},
      {{"QMALL", "-d", "701", "-o", "top"}, false, false, 0},
      // a board in the module file layout is exported and ends the run; -1,
      // -2 and -W leave the layout, -v does not
      {{"-x", "-d", "701", "-o", "top"}, true, false, 0},
      {{"-x", "-v", "HB701", "-o", "top"}, true, false, 0},
      {{"-x", "-1", "-d", "701", "-o", "top"}, true, false, 5},
      {{"-d", "701", "-x", "-o", "top"}, true, false, 4},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"hbpins"};
    args.insert(args.end(), c.arguments.begin(), c.arguments.end());
    const command_line_outline outline = outline_of(args);
    std::string line;
    for (const std::string& argument : c.arguments) line += argument + ' ';
    EXPECT_EQ(outline.module_file_layout, c.module_file_layout) << line;
    EXPECT_EQ(outline.report_to_stdout, c.report_to_stdout) << line;
    EXPECT_EQ(outline.last_merge, c.last_merge) << line;
  }
}

}  // namespace
}  // namespace hbpins
