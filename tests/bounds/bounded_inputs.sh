#!/usr/bin/env bash
# The inputs that once made hbpins grow without bound, each run with what
# it must end with:
#
#   bounded_inputs.sh HBPINS check   each under `ulimit -v`: the status and
#                                    the first message line must be as
#                                    expected (unbounded growth fails the
#                                    allocation, and the run with it)
#   bounded_inputs.sh HBPINS peak    each once, printing its peak resident
#                                    memory in KiB (/usr/bin/time)
#
# -k of /dev/zero through a link, a FIFO and standard input; -k of an
# endless text; -k of 16 MiB of the shortest statements and of one
# statement of 16 MiB; -m of 16 MiB of
# empty lines, of "," lines, of one row of commas, of one quoted field of
# doubled quotes, of a header that names a column again and again, of rows
# that are each a fault, and of an endless text; -b of 16 MiB of empty
# lines, of one row of commas, of the signal rows of one board, and of an
# endless text.
# No case asserts a time.
set -uo pipefail
hbpins=$(realpath "$1")
mode=$2
# Address space for the program with its stack and libraries, the 16 MiB
# text and less than as much again: a reader that kept a record per line or
# per field, or a copy of the text, fails its allocation.
limit_kib=$((40 * 1024))

work=$(mktemp -d)
trap 'kill $(jobs -p) 2> /dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
mib16=16777216
ln -s /dev/zero zero.ucf
yes '' | head -c $mib16 > empty-lines.csv
yes ',' | head -c $mib16 > comma-lines.csv
yes ',' | tr -d '\n' | head -c $mib16 > one-row.csv
(echo 'module,position,signal,direction'; yes 'x') | head -c $mib16 > fault-rows.csv
{ printf '"'; yes '""' | tr -d '\n' | head -c $((mib16 - 2)); printf '"'; } > quotes.csv
{ yes 'module,' | tr -d '\n' | head -c $((mib16 - 40)); echo position,signal,direction; } > header.csv
yes 'NET a LOC=b' | head -n $((mib16 / 12)) > statements.ucf
{ echo board,package,slot,position,signal,location,direction; echo 712,BGA22x22,,,,,
  echo 712,,0,3,,A1,; awk 'BEGIN { for (i = 0; ; i++) print "712,,,,S" i ",B1,in" }' |
    head -c $((mib16 - 100)); } > signals.csv
{ printf 'NET HB710_I_CLK100 '; yes '|LOC=A1|LOC=b' | tr -d '\n' | head -c $((mib16 / 13 * 13 - 26)); } > statement.ucf

# The FIFOs are fed afresh for each run that reads them.
feed() {
  rm -f "$1" && mkfifo "$1"
  (eval "$2" > "$1" 2> /dev/null &)
}

failed=0
# run LABEL STATUS FIRST_LINE SETUP HBPINS_ARGUMENT...: FIRST_LINE is the
# first line of standard error.
run() {
  local label=$1 status=$2 first=$3 setup=$4 got line
  shift 4
  eval "$setup"
  if [ "$mode" = peak ]; then
    /usr/bin/time -f %M -o peak.txt "$hbpins" "$@" < stdin > /dev/null 2>&1
    printf '%-40s %8d KiB\n' "$label" "$(tail -n 1 peak.txt)"
    return
  fi
  (ulimit -v $limit_kib && exec "$hbpins" "$@") < stdin > /dev/null 2> err.txt
  got=$?
  line=$(head -n 1 err.txt)
  if [ "$got" != "$status" ] || [ "$line" != "$first" ]; then
    echo "$label: status $got, \"$line\"; expected status $status, \"$first\""
    failed=1
  fi
}

: > stdin
no_header="header: expected the columns module, position, signal and direction, found no header"
run "-k /dev/zero through a link" 1 "zero.ucf:1: not a text file: byte 0x00" : -d 710 -k zero
run "-k a FIFO of zeros" 1 "zeros.ucf:1: not a text file: byte 0x00" \
  "feed zeros.ucf 'cat /dev/zero'" -d 710 -k zeros
run "-k - of zeros" 1 "standard input:1: not a text file: byte 0x00" \
  "rm -f stdin; ln -s /dev/zero stdin" -d 710 -k -
run "-k a FIFO of endless text" 1 "text.ucf: more than 16 MiB, too long for a UCF file" \
  "rm -f stdin; : > stdin; feed text.ucf \"yes 'NET a LOC = b;'\"" -d 710 -k text
run "-k 16 MiB of short statements" 10 "" : -d 710 -k statements
run "-k one statement of 16 MiB" 10 "" : -d 710 -k statement
run "-m 16 MiB of empty lines" 1 "empty-lines.csv:1: $no_header" : -m empty-lines
run "-m 16 MiB of ',' lines" 1 "comma-lines.csv:1: $no_header" : -m comma-lines
run "-m one row of 16 M commas" 1 "one-row.csv:1: $no_header" : -m one-row
run "-m one field of 8 M doubled quotes" 1 \
  "quotes.csv:1: ${no_header%no header}no module, position, signal, direction" : -m quotes
run "-m a header naming a column 2 M times" 1 \
  "header.csv:1: header: expected each column once, found module twice" : -m header
run "-m 16 MiB of faulty rows" 1 \
  "fault-rows.csv:2: row: expected 4 fields as the header has, found 1" : -m fault-rows
run "-m a FIFO of endless text" 1 "rows.csv:1: file: expected at most 16 MiB" \
  "feed rows.csv \"yes 'module,position,signal,direction'\"" -m rows
no_columns="header: expected the columns board, package, slot, position, signal, location and direction"
run "-b 16 MiB of empty lines" 1 "empty-lines.csv:1: $no_columns, found no header" : -b empty-lines
run "-b one row of 16 M commas" 1 "one-row.csv:1: $no_columns, found no header" : -b one-row
run "-b 16 MiB of signal rows of one board" 1 \
  "signals.csv:104: signal: expected 1 to 100 board signals, found more from this row on" : -b signals
run "-b a FIFO of endless text" 1 "boards.csv:1: file: expected at most 16 MiB" \
  "feed boards.csv \"yes 'board,package,slot,position,signal,location,direction'\"" -b boards
exit $failed
