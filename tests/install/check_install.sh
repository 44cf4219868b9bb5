#!/usr/bin/env bash
# Installs hbpins and runs the installed copy through PATH from another
# directory: it must find its default templates, VHDL and Verilog, which
# the build made. The link in the bin
# directory must be relative and listed in the install manifest. Layouts:
#   the build under test, installed with --prefix;
#   a tree with its own bin directory and an absolute libexec directory,
#   installed with --prefix, then with DESTDIR and run from the staging tree.
set -eu
build_dir=$(realpath "$1")
source_dir=$(realpath "$(dirname "$0")/../..")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/elsewhere"
"$build_dir/hbpins" -d 710 -s 722 -t "$build_dir/HB710_template" -o "$scratch/expected"
"$build_dir/hbpins" -d 710 -s 722 -t "$build_dir/HB710_template.v" -o "$scratch/expected.v"

# check BUILD_DIR LINK
check() {
  grep -qxF "$2" "$1/install_manifest.txt"
  [[ $(readlink "$2") != /* ]]
  (cd "$scratch/elsewhere" && PATH=$(dirname "$2"):$PATH hbpins -d 710 -s 722 -o top &&
    PATH=$(dirname "$2"):$PATH hbpins -d 710 -s 722 -o top.v)
  cmp "$scratch/elsewhere/top.vhd" "$scratch/expected.vhd"
  cmp "$scratch/elsewhere/top.v" "$scratch/expected.v"
  rm "$scratch/elsewhere/top.vhd" "$scratch/elsewhere/top.v"
  echo "$2 -> $(readlink "$2") found its templates"
}

cmake --install "$build_dir" --prefix "$scratch/prefix" > /dev/null
check "$build_dir" "$scratch/prefix/bin/hbpins"
gzip -dc "$scratch/prefix/share/man/man1/hbpins.1.gz" | cmp - "$source_dir/doc/hbpins.1"
test -f "$scratch/prefix/share/doc/hbpins/copyright"
test -f "$scratch/prefix/share/bash-completion/completions/hbpins"

# The odd layout tries the install rules, not the compiler: its tree is
# configured anew and given the program and templates of the build under
# test, which are the same bytes whatever the install directories.
odd=$scratch/odd-build
cmake -S "$source_dir" -B "$odd" -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_BINDIR=tools/bin "-DCMAKE_INSTALL_LIBEXECDIR=$scratch/apps" > /dev/null
cmake --build "$odd" --target compressed_docs > /dev/null
cp -a "$build_dir/hbpins" "$build_dir/templates" "$odd/"
cmake --install "$odd" --prefix "$scratch/odd-prefix" > /dev/null
check "$odd" "$scratch/odd-prefix/tools/bin/hbpins"
DESTDIR=$scratch/stage cmake --install "$odd" --prefix /usr > /dev/null
check "$odd" "$scratch/stage/usr/tools/bin/hbpins"
