#!/usr/bin/env bash
# For configurations that put every module and variant the program lists
# (and the general-IO modules, an empty slot and a loaded module with an
# LVDS pair and a vector) on some slot of every board, the built-in ones and
# those of the board files given, writes the Verilog declarations and the
# top merged from the board's default template (made from a loaded board's
# data), and checks them with one tool:
#
#   check_verilog.sh HBPINS iverilog [BOARD_FILE]...    elaborates the top (-g2005)
#   check_verilog.sh HBPINS verilator [BOARD_FILE]...   lints the top and the core (-Wall)
#
# The core module hb<board>_core is a stub whose port list is the
# declaration file, so that the declarations are checked as well. A stub has
# no body: its inputs are unused and its outputs undriven, which Verilator
# is told for the stub alone. Each file is named after its module, as
# Verilator's DECLFILENAME wants. Any message of the tool fails the check.
# Exit status 77 (skipped) where the tool is not installed.
set -u
hbpins=$(realpath "$1")
tool=$2
board_files=()
for file in "${@:3}"; do board_files+=("$(realpath "$file")"); done
script_dir=$(dirname "$(realpath "$0")")
command -v "$tool" > /dev/null || { echo "$tool is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

source "$script_dir/../every_module.sh"

source "$script_dir/../board_catalogue.sh"

# check BOARD: the tool over hb<board>_top.v and hb<board>_core.v.
check() {
  case $tool in
    iverilog) iverilog -g2005 -Wall -s "hb$1_top" -o /dev/null "hb$1_top.v" "hb$1_core.v" ;;
    verilator) verilator --lint-only -Wall --top-module "hb$1_top" "hb$1_top.v" "hb$1_core.v" ;;
  esac
}

runs=0 failures=0
for board in "${boards[@]}"; do
  for ((first = 0; first < ${#modules[@]}; first += slots[$board])); do
    args=(${loading[$board]:+-b "${loading[$board]}"} -m mine -d "$board")
    for module in "${modules[@]:first:slots[$board]}"; do args+=(-s "$module"); done
    runs=$((runs + 1))
    rm -f ./hb*.v
    # The declarations end every port with a comma: the stub drops the last,
    # which slot comments may follow.
    if ! "$hbpins" "${args[@]}" -c ports.v -o "hb${board}_top.v" > hbpins.out 2>&1 ||
      ! { echo "/* verilator lint_off UNUSEDSIGNAL */"; echo "/* verilator lint_off UNDRIVEN */"
        echo "module hb${board}_core ("; tac ports.v | sed '0,/,$/ s/,$//' | tac; echo ");"; echo "endmodule"
      } > "hb${board}_core.v" || ! check "$board" > tool.out 2>&1 || [ -s tool.out ]; then
      echo "the files of hbpins ${args[*]} fail $tool:"
      cat hbpins.out tool.out
      failures=$((failures + 1))
    fi
  done
done
echo "$runs configurations checked with $tool, $failures failed"
[ "$failures" = 0 ]
