#!/usr/bin/env bash
# The export of every built-in board, under a free number (the built-in
# boards in order take the free numbers in order) and loaded back with -b,
# must assemble to the same files: with each module and variant the program
# lists (and 953, 954 and 955) on every slot at once, the UCF, the
# declarations, the top merged from the default template (the shipped one
# for the built-in board, one made from the board's data for the loaded
# one), the CSV and JSON reports, and what -k says of an edited UCF, with
# every message and the status of the run, equal those of the built-in
# board once HB<free> reads HB<nr> again.  Usage: round_trip.sh HBPINS
set -euo pipefail
hbpins=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir builtin loaded edited

# The boards from the usage text's line of them; the numbers -d takes that
# none of them has.
read -r -a boards < <("$hbpins" | sed -n 's/^ *supported HBxxx: //p' | tr -d ,)
free=()
for ((n = 700; n <= 719; n++)); do [[ " ${boards[*]} " == *" $n "* ]] || free+=("$n"); done
(( ${#boards[@]} == 5 && ${#free[@]} == 15 ))
# A second variant is modification 1. Module 700 cannot be placed.
mapfile -t modules < <("$hbpins" -W QMALL | awk '/pin table/ { m = substr($1, 3) }
  /^modification 2/ { print m "-1" } /pin table/ && m != 700 { print m }')
modules+=(953 954 955)
(( ${#modules[@]} == 37 ))

# Every output of the board with the module on every slot, and the check
# of the edited UCF; the run's messages and status beside them.
assemble() {
  local number=$1 slots=$2 module=$3 name=$4 file=${5:-} placements=() s status=0
  for ((s = 0; s < slots; s++)); do placements+=(-s "$module"); done
  "$hbpins" ${file:+-b "$file"} -d "$number" "${placements[@]}" -u "$name" -c "$name-decl" \
    -o "$name-top" -p "$name-report" -p "$name-report.json" -k "edited/$module.ucf" \
    > "$name-messages" 2>&1 || status=$?
  echo "status $status" >> "$name-messages"
}

for i in "${!boards[@]}"; do
  board=${boards[i]} number=${free[i]}
  "$hbpins" -x "HB$board" | sed "s/^$board,/$number,/" > "hb$number.csv"
  slots=$(($(cut -d, -f4 "hb$number.csv" | sort -n | tail -n 1) + 1))
  for module in "${modules[@]}"; do
    # A LOC moved and a net left out: -k has differences to tell.
    "$hbpins" -d "$board" -s "$module" -u "edited/$module" > /dev/null 2>&1
    sed -i -e '3s/LOC = "[^"]*"/LOC = "A1"/' -e '$d' "edited/$module.ucf"
    assemble "$board" "$slots" "$module" "builtin/$board-$module"
    assemble "$number" "$slots" "$module" "loaded/$board-$module" "hb$number.csv"
  done
  sed -i -e "s/HB$number/HB$board/g" -e "s/hb$number/hb$board/g" \
    -e "s/\"board\": $number,/\"board\": $board,/" loaded/"$board"-*
done
echo "${#boards[@]} boards with ${#modules[@]} modules and variants, $(ls loaded | wc -l) files"
diff -r builtin loaded
