#!/usr/bin/env bash
# The board of tests/cases/boards-own, loaded from its board file, with the
# module file's modules and every module and variant the program lists (and
# the general-IO modules and an empty slot) on its slots, a slot's worth at
# a time: the top merged from the template made from the board's data and
# the declaration file wrapped in an entity are analysed with GHDL. Exit
# status 77 (skipped) where GHDL is not installed.
# Usage: analyse_own_board.sh HBPINS CASE_INPUT_DIR
set -u
hbpins=$(realpath "$1")
input=$(realpath "$2")
command -v ghdl > /dev/null || { echo "ghdl is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
cp "$input/carrier.csv" "$input/mine.csv" .

# A second variant is modification 1. Module 700 cannot be placed (722 is
# the same module).
modules=($("$hbpins" -m mine -W QMALL | awk '/pin table/ { m = substr($1, 3) }
  /^modification 2/ { print m "-1" } /pin table/ && m != 700 { print m }') 953 955 954)
slots=$(($("$hbpins" -b carrier -x HB712 | cut -d, -f4 | sort -n | tail -n 1) + 1))
[ "$slots" = 6 ] && [ ${#modules[@]} -eq 38 ] ||
  { echo "the board has $slots slots, the listing gave ${#modules[@]} modules"; exit 1; }

runs=0 failures=0
for ((first = 0; first < ${#modules[@]}; first += slots)); do
  args=(-b carrier -m mine -d 712)
  for module in "${modules[@]:first:slots}"; do args+=(-s "$module"); done
  runs=$((runs + 1))
  rm -f top.vhd decl.vhd ./*.cf
  if ! "$hbpins" "${args[@]}" -c decl -o top > hbpins.out 2>&1 || ! ghdl -a --std=93c top.vhd ||
    ! { echo "library ieee; use ieee.std_logic_1164.all; entity decl is port ("; cat decl.vhd
      echo "LAST : in std_logic); end entity; architecture a of decl is begin end;"; } > d.vhd ||
    ! ghdl -a --std=93c d.vhd; then
    echo "the files of hbpins ${args[*]} -c decl -o top fail:"
    cat hbpins.out
    failures=$((failures + 1))
  fi
done
echo "$runs configurations of board 712 analysed, $failures failed"
[ "$failures" = 0 ]
