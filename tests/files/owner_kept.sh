#!/usr/bin/env bash
# A replaced file keeps its owner and group: hbpins gives the new file the
# old one's before it takes the old one's place, each output alike, also
# behind a symbolic link, and the set-group-ID bit of a file its group may
# run stays (a change of owner clears it). A user who may not set them
# replaces the file as before, as its own. Only root may give a file to
# another user: exit status 77 (skipped) otherwise.
set -u
hbpins=$(realpath "$1")
[ "$(id -u)" = 0 ] || { echo "not running as root, so no file can be given to another user: skipped"; exit 77; }
command -v setpriv > /dev/null || { echo "setpriv is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
chmod 755 "$work"
umask 022

failed=0
# expect FILE "OWNER:GROUP MODE"
expect() {
  local found
  found=$(stat -c '%U:%G %a' "$1")
  [ "$found" = "$2" ] || { echo "$1 is $found, expected $2"; failed=1; }
}
# old FILE OWNER:GROUP MODE: an earlier file to be replaced
old() { echo "the previous content" > "$1" && chown "$2" "$1" && chmod "$3" "$1"; }
run() { "$hbpins" "$@" || { echo "hbpins $* ended with status $?"; failed=1; }; }

printf -- '-- QM_BEGIN\n-- QM_MAP_BEGIN\n' > tmpl.vhd
old board.ucf nobody:nogroup 640
old decl.vhd nobody:root 604
old top.vhd root:nogroup 660
old pins.csv nobody:nogroup 600
old target.ucf nobody:nogroup 2770
ln -s target.ucf link.ucf
run -d 701 -s 722 -u board -c decl -t tmpl -o top -p pins
run -d 710 -s 722 -u link
expect board.ucf "nobody:nogroup 640"
expect decl.vhd "nobody:root 604"
expect top.vhd "root:nogroup 660"
expect pins.csv "nobody:nogroup 600"
expect target.ucf "nobody:nogroup 2770"
for file in board.ucf decl.vhd top.vhd pins.csv target.ucf; do
  grep -q QM722 "$file" || { echo "$file was not replaced"; failed=1; }
done

# A new file is the process's own.
run -d 701 -u new
expect new.ucf "root:root 644"

# Where the process may set neither (nobody replacing root's file, writable
# by all, in a directory open to all), the new file is its own; the run
# goes on as before.
mkdir shared && chmod 777 shared
old shared/board.ucf root:root 666
setpriv --reuid=nobody --regid=nogroup --clear-groups "$hbpins" -d 701 -s 722 -u shared/board ||
  { echo "nobody's run ended with status $?"; failed=1; }
expect shared/board.ucf "nobody:nogroup 666"
grep -q QM722 shared/board.ucf || { echo "shared/board.ucf was not replaced"; failed=1; }

[ "$failed" = 0 ] && echo "owners and groups kept"
exit "$failed"
