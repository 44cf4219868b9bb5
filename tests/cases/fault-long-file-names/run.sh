# File names of 100000 characters: every file option fails with error 3
# (name too long) and nothing is created. Runs of ten or more n in the
# output are shown by their length.
long=$(head -c 100000 /dev/zero | tr '\0' n)
shorten() {
  awk '{ while (match($0, /nnnnnnnnnn+/)) $0 = substr($0, 1, RSTART - 1) "<" RLENGTH " n>" substr($0, RSTART + RLENGTH); print }'
}
try() {
  "$HBPINS" "$@" | shorten
  echo "status ${PIPESTATUS[0]}"
}
try -v -d 701 -s 722 -u "$long"
try -d 701 "$long.ucf"
try -d 701 -s 722 -c "$long"
try -v -t "$long"
try -d 701 -t tmpl -o "$long"
try -d 701 -u "sub\\$long"
