#!/usr/bin/env bash
# Merges the default template of every board for configurations that put
# every module and variant the program lists (and the general-IO modules and
# an empty slot) on some slot of every board, and analyses each top file with
# GHDL. Exit status 77 (skipped) where GHDL is not installed.
set -u
hbpins=$(realpath "$1")
command -v ghdl > /dev/null || { echo "ghdl is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# A second variant is modification 1. Module 700 cannot be placed (722 is
# the same module).
modules=($("$hbpins" -W QMALL | awk '/pin table/ { m = substr($1, 3) } /^modification 2/ { print m "-1" }
  /pin table/ && m != 700 { print m }') 953 955 954)
[ ${#modules[@]} -eq 37 ] || { echo "the listing gave ${#modules[@]} modules"; exit 1; }

runs=0 failures=0
for board in 701 706 709 710 711; do
  slots=4
  [ "$board" = 709 ] || [ "$board" = 711 ] && slots=8
  for ((first = 0; first < ${#modules[@]}; first += slots)); do
    args=(-d "$board")
    for module in "${modules[@]:first:slots}"; do args+=(-s "$module"); done
    runs=$((runs + 1))
    rm -f top.vhd ./*.cf
    if ! "$hbpins" "${args[@]}" -o top > hbpins.out || ! ghdl -a --std=93c top.vhd; then
      echo "the top file of hbpins ${args[*]} -o top fails:"
      cat hbpins.out
      failures=$((failures + 1))
    fi
  done
done
echo "$runs top files analysed, $failures failed"
[ "$failures" = 0 ]
