#!/usr/bin/env bash
# The manual page, the README and the package description name the built-in
# boards where they introduce -d: the ones the program lists, each once, and
# their short forms, the numbers less 700.  Usage: boards_named.sh HBPINS SOURCE_DIR
set -euo pipefail
hbpins=$(realpath "$1")
source_dir=$2
boards=($("$hbpins" --help | sed -n 's/^ *supported HBxxx: //p' | tr -d ,))
(( ${#boards[@]} > 1 )) || { echo "the usage text lists no boards"; exit 1; }

# joined WORD: the boards as prose lists them, "701, 706 WORD 711".
joined() {
  local IFS=,
  local all="${boards[*]:0:${#boards[@]}-1}"
  echo "${all//,/, } $1 ${boards[-1]}"
}
listed="${boards[*]}"
listed=${listed// /, }
shorts=$(for b in "${boards[@]}"; do echo $((b - 700)); done | paste -sd, | sed 's/,/, /g')

# The text of a file on one line, blanks squeezed, so that a list may wrap.
flat() { tr '\n' ' ' < "$1" | tr -s ' '; }

failed=0
# names FILE TEXT: FILE holds TEXT.
names() {
  if ! flat "$source_dir/$1" | grep -qF -- "$2"; then
    echo "$1 does not say: $2"
    failed=1
  fi
}
names doc/hbpins.1 "an HB base board ($(joined or)) fitted"
names doc/hbpins.1 "Choose the base board: $(joined or) (or $shorts)."
names README.md "an HB base board ($(joined or)) fitted"
names README.md "choose the base board ($listed; $shorts for short)"
names CMakeLists.txt "The default templates of the boards $(joined and) are included."
echo "boards: ${boards[*]}; short: $shorts"
exit $failed
