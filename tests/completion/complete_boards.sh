#!/usr/bin/env bash
# The bash completion offers the boards the program lists, after -d and as
# HB words, and the modules after -s.  Usage: complete_boards.sh HBPINS COMPLETION
set -euo pipefail
hbpins=$(realpath "$1")
source "$2"
compopt() { :; }  # outside a completion, the real one fails

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
exit $failed
