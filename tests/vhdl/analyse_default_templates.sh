#!/usr/bin/env bash
# Merges the default template of every board for a matrix of configurations
# (every board, empty slots, every module and both variants of the two-variant
# modules somewhere, the general IO modules) and analyses each top file with
# GHDL. Exit status 77 (skipped) where GHDL is not installed.
set -u
hbpins=$(realpath "$1")
if ! command -v ghdl > /dev/null; then
  echo "ghdl is not installed: skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

modules=(700 701 702 703 704 706 706-1 707 707-1 709 710 711 712 713 714 715 717 720 721 722 724
  725 726 727 728 730 731 733 734 735 735-1 736 737 739 740 953 955)
configurations=0
failures=0

# analyse BOARD MODULE...: the modules go on slots 0, 1, ... in turn.
analyse() {
  local board=$1
  shift
  local args=(-d "$board")
  local module
  for module in "$@"; do args+=(-s "$module"); done
  configurations=$((configurations + 1))
  rm -f top.vhd ./*.cf
  if ! "$hbpins" "${args[@]}" -o top > hbpins.out; then
    echo "hbpins ${args[*]} -o top failed:"
    cat hbpins.out
    failures=$((failures + 1))
  elif ! ghdl -a --std=93c top.vhd; then
    echo "GHDL rejects the top file of hbpins ${args[*]}"
    failures=$((failures + 1))
  fi
}

for board in 701 706 709 710 711; do
  slots=4
  [ "$board" = 709 ] || [ "$board" = 711 ] && slots=8
  analyse "$board"
  for ((first = 0; first < ${#modules[@]}; first += slots)); do
    analyse "$board" "${modules[@]:first:slots}"
  done
  # An empty slot between modules.
  analyse "$board" 722 954 735-1
done

echo "$configurations configurations analysed, $failures failed"
[ "$failures" = 0 ]
