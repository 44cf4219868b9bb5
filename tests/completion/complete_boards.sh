#!/usr/bin/env bash
# The bash completion offers the boards the program lists, after -d and as
# HB words, and the modules after -s; with the board files of a folder, the
# boards of those given to -b before on the line as well (".csv" added as
# hbpins adds it), and CSV files after -b.
#   Usage: complete_boards.sh HBPINS COMPLETION [BOARD_FILE_DIR]
set -euo pipefail
hbpins=$(realpath "$1")
source "$2"
compopt() { :; }  # outside a completion, the real one fails
board_files=${3:+$(realpath "$3")}

# completes WORD...: the candidates for the last word of the line.
completes() {
  COMP_WORDS=("$hbpins" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _hbpins
  echo "${COMPREPLY[*]}"
}

boards=$("$hbpins" --help | sed -n 's/^ *supported HBxxx: //p' | tr -d ,)
boards=$(echo $boards)
failed=0
expect() {
  if [ "$2" != "$3" ]; then
    echo "$1: expected \"$3\", got \"$2\""
    failed=1
  fi
}
expect "-d" "$(completes -d '')" "$boards"
expect "-D 71" "$(completes -D 71)" "$(printf '%s\n' $boards | grep '^71' | xargs)"
expect "HB" "$(completes HB)" "$(printf 'HB%s\n' $boards | xargs)"
expect "-s 735" "$(completes -d 710 -s 735)" "735 735-1"
expect "QM72" "$(completes QM72)" "QM720 QM721 QM722 QM724 QM725 QM726 QM727 QM728"
echo "boards: $boards"
[ -n "$board_files" ] || exit $failed

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$board_files/carrier.csv" "$board_files/small.csv" .
mkdir sub && touch notes.txt other.CSV
expect "-b carrier -d" "$(completes -b carrier -d '')" "$boards 712"
expect "-b carrier -B small.csv -d 71" "$(completes -b carrier -B small.csv -d 71)" \
  "$(printf '%s\n' $boards | grep '^71' | xargs) 712 713 714"
expect "-b ./carrier -b small.csv -d" "$(completes -b ./carrier -b small.csv -d '')" \
  "$boards 712 713 714"
expect "-b missing -d" "$(completes -b missing -d '')" "$boards"
expect "-b carrier HB712" "$(completes -b carrier HB712)" "HB712"
expect "-b" "$(completes -b '')" "carrier.csv other.CSV small.csv sub -"
exit $failed
