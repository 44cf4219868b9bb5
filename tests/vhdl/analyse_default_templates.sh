#!/usr/bin/env bash
# For configurations that put every module and variant the program lists
# (and the general-IO modules, an empty slot and a loaded module with an
# LVDS pair and a vector) on some slot of every
# board, analyses with GHDL the top file merged from the board's default
# template and the declaration file wrapped in an entity: the built-in
# boards and those of the board files given, whose templates are made from
# their data. Exit status 77 (skipped) where GHDL is not installed.
#   analyse_default_templates.sh HBPINS [BOARD_FILE]...
set -u
hbpins=$(realpath "$1")
board_files=()
for file in "${@:2}"; do board_files+=("$(realpath "$file")"); done
script_dir=$(dirname "$(realpath "$0")")
command -v ghdl > /dev/null || { echo "ghdl is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

source "$script_dir/../every_module.sh"

source "$script_dir/../board_catalogue.sh"

runs=0 failures=0
for board in "${boards[@]}"; do
  for ((first = 0; first < ${#modules[@]}; first += slots[$board])); do
    args=(${loading[$board]:+-b "${loading[$board]}"} -m mine -d "$board")
    for module in "${modules[@]:first:slots[$board]}"; do args+=(-s "$module"); done
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
done
echo "$runs configurations analysed, $failures failed"
[ "$failures" = 0 ]
