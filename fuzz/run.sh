#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for a bounded time from
# its seed corpus:
#
#   fuzz/run.sh [seconds]     (default 30 seconds per harness)
#
# As many harnesses run at once as there are processors. Any crash, leak,
# timeout or sanitizer report fails the script; the harness's log and the
# input that failed stay in build-fuzz/findings/. The inputs a run finds
# interesting are kept in fuzz/corpus-work/ (not committed) for later runs.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
findings=$build/findings
cxx=${FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" > /dev/null
cmake --build "$build" -j

# The longest input of each harness: the merge needs room for long lines.
declare -A max_len=([fuzz_command_line]=4096 [fuzz_template_merge]=16384 [fuzz_port_names]=4096)

rm -rf "$findings"
mkdir -p "$findings"

run_harness() {
  local harness=$1
  local corpus=$root/fuzz/corpus-work/$harness
  mkdir -p "$corpus"
  # Absolute paths throughout: the command-line harness changes directory.
  UBSAN_OPTIONS=print_stacktrace=1 "$build/$harness" "$corpus" "$root/fuzz/corpus/$harness" \
    -max_total_time="$seconds" -max_len="${max_len[$harness]}" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/$harness-" > "$findings/$harness.log" 2>&1
}

jobs=$(nproc)
running=0
for harness in fuzz_command_line fuzz_template_merge fuzz_port_names; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  { run_harness "$harness" && echo ok > "$findings/$harness.status"; } &
  running=$((running + 1))
done
wait

failed=0
for harness in fuzz_command_line fuzz_template_merge fuzz_port_names; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings/$harness.log")
  if [ -f "$findings/$harness.status" ]; then
    echo "$harness: ${runs:-?} runs in $seconds s, nothing found"
  else
    echo "$harness: FAILED; the end of its log ($findings/$harness.log):"
    tail -n 60 "$findings/$harness.log"
    failed=1
  fi
done
exit $failed
