# Board, module, slot and listing arguments of 100000 characters are read
# whole: leading zeros do not change a number, and a long text that is no
# number is refused as a short one is. Runs of ten or more of one character
# in the output are shown by their length.
zeros=$(head -c 100000 /dev/zero | tr '\0' 0)
nines=$(head -c 100000 /dev/zero | tr '\0' 9)
letters=$(head -c 100000 /dev/zero | tr '\0' q)
shorten() {
  awk '{ while (match($0, /0000000000+|9999999999+|qqqqqqqqqq+|QQQQQQQQQQ+/))
           $0 = substr($0, 1, RSTART - 1) "<" RLENGTH " " substr($0, RSTART, 1) ">" substr($0, RSTART + RLENGTH)
         print }'
}
try() {
  "$HBPINS" "$@" | shorten
  echo "status ${PIPESTATUS[0]}"
}
# A usage error: its message line only, without the usage text.
try_message() {
  "$HBPINS" "$@" | sed -n 1p | shorten
  echo "status ${PIPESTATUS[0]}"
}
try -v -d "${zeros}710" -s "${zeros}722" -s "QM${zeros}735-1"
try -v "HB${zeros}9" "QM${zeros}722" "-v$letters"
try -W "QM${zeros}722" "QM$nines" "QMALL$letters" "qm${zeros}1234" "QM$zeros"
try_message -d "$nines"
try_message "HB$letters"
try_message -d 710 -s "$nines"
try_message -d 710 -s "722-$letters"
try_message -d 710 -s "$nines-q"
try_message -d 710 "-s$nines" 722
try_message "-x$letters"
