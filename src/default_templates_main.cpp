// The build's maker of the default templates: writes every built-in
// board's template in each language into the directory given, from the
// catalogue, so that the shipped templates always declare the boards as
// the program knows them.
//
//   hbpins_templates DIRECTORY

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "catalogue/board_catalogue.h"
#include "output/hdl/template_maker.h"

int main(int argc, char** argv) {
  using namespace hbpins;
  if (argc != 2) {
    std::cerr << "usage: hbpins_templates DIRECTORY\n";
    return 1;
  }
  for (const board_entry& board : builtin_boards)
    for (hdl_language language : hdl_languages) {
      const std::string name =
          std::string(argv[1]) + '/' + default_template_file_name(board.number, language);
      const std::string text = make_default_template(board, language);
      std::ofstream file(name, std::ios::binary);
      if (!file.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
        std::cerr << "hbpins_templates: cannot write " << name << '\n';
        return 1;
      }
    }
  return 0;
}
