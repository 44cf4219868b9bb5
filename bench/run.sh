#!/usr/bin/env bash
# Measures hbpins against cat writing the same bytes into a file. Each case
# runs hbpins and cat alternately, pair by pair (bench/pairs.c), so that both
# sides meet the same machine: the same load, the same writeback of the files
# before them. Each side creates or replaces its output file inside the timed
# region: hbpins writes its files as it always does, and cat's standard output
# is opened on its file with O_CREAT|O_TRUNC in the child just before cat
# starts, as the shell's `cat SRC > DST` would open it. Neither side runs
# under a shell, so there is no shell's cost to subtract, and both pay the
# same process start by posix_spawn. cat copies the bytes that hbpins wrote,
# into one file even where hbpins writes several.
#
# Prints the machine, then one line per case: the median of the pair ratios
# (hbpins / cat), their quartiles and extremes, the median wall times of
# each side, and the peak resident memory of hbpins from /usr/bin/time -f %M.
# Targets: every small case (1, 2, 3, 8) at most 1.0 x cat; every large
# template (4 to 7) at most 1.5 x cat; every peak at most 4 MiB. A busy
# machine moves a ratio by about 0.2; the quartiles show how much.
#
# Two floor lines measure bench/replace.c in hbpins' place: it writes the
# same files through temporary files and rename, as hbpins does, and
# computes nothing. Where cat rewrites its file in place, that safety has a
# price of its own, which no work saved inside hbpins can win back.
#
# A case is a first run of hbpins that leaves the bytes for cat to copy, then
# `measure`.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ ! -x /usr/bin/time ]; then
  apt-get install -y time > /dev/null || { apt-get update > /dev/null && apt-get install -y time > /dev/null; }
fi

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench -j "$(nproc)" > /dev/null
cc -O2 -Wall -o build-bench/pairs bench/pairs.c
cc -O2 -Wall -static -o build-bench/replace bench/replace.c
hbpins=$root/build-bench/hbpins
replace=$root/build-bench/replace
pairs=$root/build-bench/pairs
cat=$(command -v cat)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

echo "cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores"
echo "kernel: $(uname -sr); $(g++ --version | head -n 1); files on $(findmnt -n -o FSTYPE -T . || stat -f -c %T .)"
echo "load average at start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-36s %9s %6s %11s %11s %9s %9s %8s %5s\n' case "bytes" ratio quartiles \
  min-max "hbpins ms" "cat ms" "peak KiB" pairs

# measure LABEL MAX_PAIRS SECONDS STDOUT REFERENCE HBPINS_ARGUMENT...
# hbpins runs with its standard output on STDOUT; cat copies REFERENCE, the
# bytes hbpins wrote, which must exist after a first run of hbpins. With
# subject set to another program, that program runs in hbpins' place.
measure() {
  local label=$1 max_pairs=$2 seconds=$3 stdout=$4 reference=$5
  shift 5
  local peak stats n median q1 q3 low high ours theirs program=${subject:-$hbpins}
  /usr/bin/time -f %M -o peak.txt "$program" "$@" > "$stdout" 2> /dev/null
  stats=$("$pairs" "$max_pairs" "$seconds" "$stdout" "$program" "$@" -- copy.out "$cat" "$reference")
  peak=$(tail -n 1 peak.txt)
  read -r n median q1 q3 low high ours theirs <<< "$stats"
  printf '%-36s %9d %6.2f %5.2f-%-5.2f %5.2f-%-5.2f %9.3f %9.3f %8d %5d\n' "$label" \
    "$(wc -c < "$reference")" "$median" "$q1" "$q3" "$low" "$high" "$ours" "$theirs" "$peak" "$n"
  rm -f copy.out
}

# Small cases: many quick pairs. Large cases: fewer, each of them long.
small=(500 15)
large=(40 20)
full_711=(-d 711 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714)

"$hbpins" "${full_711[@]}" -u board -c decl -o top 2> /dev/null
cat board.ucf decl.vhd top.vhd > configuration.ref
measure "1 711, 8 x 714, -u -c -o" "${small[@]}" /dev/null configuration.ref "${full_711[@]}" \
  -u board -c decl -o top
# The floor of case 1: its three files replaced whole, and nothing computed.
subject=$replace measure "  1 floor: replace the three files" "${small[@]}" /dev/null \
  configuration.ref board.ucf board.ucf decl.vhd decl.vhd top.vhd top.vhd

"$hbpins" -2 QMALL > listing.ref
measure "2 -2 QMALL to a file" "${small[@]}" listing.out listing.ref -2 QMALL

"$hbpins" "${full_711[@]}" -p report 2> /dev/null
cp report.csv report.ref
measure "3 711, 8 x 714, -p CSV" "${small[@]}" /dev/null report.ref "${full_711[@]}" -p report

# template LINE_END QM_LINE: about 50 MB of VHDL with both markers at its
# start and twice more; with QM_LINE set, a line beginning "-- QM" that is no
# marker starts every 256 KiB.
template() {
  awk -v ORS="$1" -v qm_line="$2" 'BEGIN {
    print "library ieee;"; print "use ieee.std_logic_1164.all;"
    for (i = 0; bytes < 50000000; i++) {
      if (i % 350000 == 0) { print "  -- QM_BEGIN"; print "      -- QM_MAP_BEGIN" }
      if (qm_line && int(bytes / 262144) > block) {
        block = int(bytes / 262144)
        print "-- QM722 reads the digital inputs of the front panel"
      }
      line = sprintf("  signal s%07d : std_logic_vector(31 downto 0) := (others => '\''0'\'');", i)
      print line
      bytes += length(line) + length(ORS)
    }
  }' > big.vhd
}

# merge LABEL: the merge of big.vhd by board 710 with 722 and 704.
merge() {
  "$hbpins" -d 710 -s 722 -s 704 -t big -o merged 2> /dev/null
  cp merged.vhd merged.ref
  measure "$1" "${large[@]}" /dev/null merged.ref -d 710 -s 722 -s 704 -t big -o merged
  rm -f big.vhd merged.vhd merged.ref
}

template $'\n' ''
merge "4 merge, LF"
# The floor of the large cases: a 50 MB file replaced whole.
template $'\n' ''
subject=$replace measure "  4 floor: replace a 50 MB file" "${large[@]}" /dev/null big.vhd \
  big.vhd copy.vhd
rm -f big.vhd copy.vhd
template $'\r\n' ''
merge "5 merge, CRLF"
template $'\n' 1
merge "6 merge, '-- QM' line every 256 KiB"
{
  printf -- '-- '
  head -c $((100000000 - 4)) /dev/zero | tr '\0' x
  printf '\n'
} > big.vhd
merge "7 merge, one line of 100 MB"

"$hbpins" "${full_711[@]}" -p board.svg 2> /dev/null
cp board.svg picture.ref
measure "8 711, 8 x 714, -p SVG" "${small[@]}" /dev/null picture.ref "${full_711[@]}" -p board.svg

# 9. -k: the check of a UCF file of 20,000 lines, kept by hand over the years:
# hbpins' own file of the full 711, then timing and instance constraints and
# nets constrained again, as such files grow. cat copies the file.
"$hbpins" "${full_711[@]}" -u own 2> /dev/null
awk -v total=20000 '{ line[NR] = $0; print } END {
  for (k = 1; NR + count < total; k++) {
    printf "INST \"core/slot%d/reg_%d\" IOB = TRUE;\n", k % 8, k
    printf "TIMESPEC \"TS_%d\" = FROM \"grp%d\" TO \"FFS\" 5 ns;\n", k, k
    printf "NET \"QM%d_*\" IOSTANDARD = LVTTL;\n", k % 8
    s = line[2 + k % (NR - 4)]
    sub(/ LOC = "[A-Z0-9]*" *[|] /, " ", s)
    print s
    count += 4
  }
}' own.ucf > hand.ucf
measure "9 711, 8 x 714, -k of 20,000 lines" "${large[@]}" /dev/null hand.ucf "${full_711[@]}" -k hand
