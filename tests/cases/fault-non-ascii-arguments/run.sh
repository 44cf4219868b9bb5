# Arguments with non-ASCII bytes: UTF-8, a lone 0xFF and a Latin-1 0xE4.
# Files are created under their names exactly as typed, byte for byte, and
# such bytes pass through upper-casing unchanged (only ASCII letters change).
ucf=$(printf 'b\303\244\377rd.ucf')
decl=$(printf 'd\303\251cl\377')
tmpl=$(printf 't\344mpl\377')
top=$(printf 't\303\266p\377')
cp tmpl.vhd "$tmpl.vhd"
"$HBPINS" -v -d 701 -s 722 "$ucf" -c "$decl" -t "$tmpl" -o "$top"
echo "status $?"
[ -f "$ucf" ] && mv "$ucf" board.ucf && echo "board.ucf was written under its name as typed"
[ -f "$decl.vhd" ] && mv "$decl.vhd" decl.vhd && echo "decl.vhd was written under its name as typed"
[ -f "$top.vhd" ] && mv "$top.vhd" top.vhd && echo "top.vhd was written under its name as typed"
rm "$tmpl.vhd"

try() {
  "$HBPINS" "$@"
  echo "status $?"
}
# A usage error: its message line only, without the usage text.
try_message() {
  "$HBPINS" "$@" | sed -n 1p
  echo "status ${PIPESTATUS[0]}"
}
try -W "$(printf 'QM\303\244')" "$(printf 'QM722\377')" "$(printf 'qm\344ll')" QM722
try_message -d 701 -s "$(printf '\303\244722-x')"
try_message -d 701 "$(printf 'qm\344722-x')"
try_message -d 701 -s "$(printf '722\377')"
try_message -d 701 "$(printf 'QM\344')"
try_message "$(printf 'hb\344')"
try_message "$(printf '\303\244')"
try_message "$(printf -- '-\377')"
