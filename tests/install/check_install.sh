#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed hbpins
# through PATH from another directory: it must find its default templates.
set -eu
build_dir=$(realpath "$1")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$scratch/prefix" > /dev/null
mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"

PATH=$scratch/prefix/bin:$PATH hbpins -d 710 -s 722 -o top
"$build_dir/hbpins" -d 710 -s 722 -t "$build_dir/HB710_template" -o expected
cmp top.vhd expected.vhd
test -f "$scratch/prefix/share/man/man1/hbpins.1"
test -f "$scratch/prefix/share/bash-completion/completions/hbpins"
echo "the installed hbpins found its templates"
