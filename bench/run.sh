#!/usr/bin/env bash
# Measures hbpins against cat of the same bytes, in the same run:
#   1. board 711 with module 714 on all eight slots, writing the UCF file, the
#      declarations and a top file from the default template;
#   2. QMALL in two columns to /dev/null;
#   3. the merge of a generated template of about 50 MB;
#   4. the full pin report of case 1 as CSV and JSON.
# Prints the ratio of median wall times (hbpins / cat) and the peak resident
# memory of each case. Targets: ratios 1 and 2 at most 1.0, ratio 3 at most
# 1.5, every peak at most 4 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if ! command -v hyperfine > /dev/null; then
  apt-get install -y hyperfine > /dev/null || { apt-get update > /dev/null && apt-get install -y hyperfine > /dev/null; }
fi

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench -j > /dev/null
hbpins=$root/build-bench/hbpins

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# median_seconds NAME: the median of the last hyperfine export.
median_seconds() {
  sed -n 's/.*"median": *\([0-9.e-]*\).*/\1/p' "$1" | head -n 1
}

# peak_kib COMMAND...: maximum resident set size in KiB.
peak_kib() {
  /usr/bin/time -f '%M' -o peak.txt "$@" > /dev/null 2>&1 || true
  tail -n 1 peak.txt
}

# compare LABEL HBPINS_COMMAND CAT_COMMAND PEAK_COMMAND...
# hbpins runs without a shell. cat runs through the shell when it has to
# create its output file as hbpins does; hyperfine subtracts the shell's
# start-up.
compare() {
  local label=$1 ours=$2 theirs=$3
  shift 3
  local shell=(-N)
  [[ $theirs == *">"* ]] && shell=()
  hyperfine -N --warmup 50 --min-runs 500 --export-json ours.json "$ours" > /dev/null 2>&1
  hyperfine "${shell[@]}" --warmup 50 --min-runs 500 --export-json theirs.json "$theirs" \
    > /dev/null 2>&1
  local a b
  a=$(median_seconds ours.json)
  b=$(median_seconds theirs.json)
  printf '%-30s hbpins %8.3f ms  cat %8.3f ms  ratio %5.2f  peak %5d KiB\n' "$label" \
    "$(echo "$a * 1000" | bc -l)" "$(echo "$b * 1000" | bc -l)" "$(echo "$a / $b" | bc -l)" \
    "$(peak_kib "$@")"
}

# 1. The largest configuration.
largest=(-d 711)
for slot in 0 1 2 3 4 5 6 7; do largest+=(-s 714); done
largest+=(-u board -c decl -o top)
"$hbpins" "${largest[@]}" > /dev/null
cat board.ucf decl.vhd top.vhd > largest.out
echo "case 1 writes $(wc -c < largest.out) bytes"
compare "1 board 711, 8 x 714, -u -c -o" "$hbpins ${largest[*]}" "cat largest.out > copy.out" \
  "$hbpins" "${largest[@]}"

# 2. The listing.
"$hbpins" -2 QMALL > qmall.out
compare "2 QMALL -2 > /dev/null" "$hbpins -2 QMALL" "cat qmall.out" "$hbpins" -2 QMALL

# 3. A merge of a 50 MB template.
awk 'BEGIN {
  print "library ieee;"; print "use ieee.std_logic_1164.all;"
  for (i = 0; i < 800000; i++) {
    if (i % 200000 == 0) { print "  -- QM_BEGIN"; print "  -- QM_END" }
    if (i % 250000 == 1) { print "      -- QM_MAP_BEGIN" }
    printf "  signal s%07d : std_logic_vector(31 downto 0) := (others => '\''0'\'');\n", i
  }
}' > big.vhd
echo "case 3 template: $(wc -c < big.vhd) bytes"
compare "3 merge of a 50 MB template" "$hbpins -d 710 -s 722 -s 704 -t big -o merged" \
  "cat big.vhd > copy.vhd" "$hbpins" -d 710 -s 722 -s 704 -t big -o merged

# 4. The full pin report of the largest configuration, CSV and JSON.
report=(-d 711)
for slot in 0 1 2 3 4 5 6 7; do report+=(-s 714); done
report+=(-p report -p report.json)
"$hbpins" "${report[@]}" 2> /dev/null
cat report.csv report.json > report.out
echo "case 4 writes $(wc -c < report.out) bytes"
compare "4 board 711 pin report, CSV+JSON" "$hbpins ${report[*]}" "cat report.out > copy.out" \
  "$hbpins" "${report[@]}"
