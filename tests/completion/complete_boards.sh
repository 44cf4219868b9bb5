#!/usr/bin/env bash
# The bash completion, sourced and asked as bash asks it: -d and HB offer the
# boards the program lists and those of the board files given to -b before
# them on the line (".csv" added as hbpins adds it, the header's board
# column in any case and after a byte order mark); -b offers CSV files.
#   complete_boards.sh HBPINS COMPLETION_FILE BOARD_FILE_DIR
set -u
hbpins=$(realpath "$1")
completion=$(realpath "$2")
boards_dir=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
cp "$boards_dir/carrier.csv" "$boards_dir/small.csv" .
mkdir sub && touch notes.txt other.CSV
source "$completion"
compopt() { :; }  # outside a completion bash has no options to set

failed=0
# expect WORDS... -- CANDIDATES: completing the last word gives the candidates.
expect() {
  local words=() want
  while [ "$1" != -- ]; do words+=("$1"); shift; done
  shift
  want="$*"
  COMP_WORDS=("$hbpins" "${words[@]}")
  COMP_CWORD=${#words[@]}
  COMPREPLY=()
  _hbpins
  if [ "${COMPREPLY[*]}" != "$want" ]; then
    echo "hbpins ${words[*]}: got \"${COMPREPLY[*]}\", expected \"$want\""
    failed=1
  fi
}

builtin_boards="701 706 709 710 711"
expect -d "" -- $builtin_boards
expect -b carrier -d "" -- $builtin_boards 712
expect -b carrier -B small.csv -d 71 -- 710 711 712 713 714
expect -b small.csv -d 7 -s 722 -b carrier -d "" -- $builtin_boards 713 714 712
expect -b missing -d "" -- $builtin_boards
expect -b ./carrier -b small.csv -d "" -- $builtin_boards 712 713 714
expect -b carrier HB71 -- HB710 HB711 HB712
expect -b "" -- carrier.csv other.CSV small.csv sub
expect -m s -- small.csv sub
expect -v -b -- -b
exit $failed
