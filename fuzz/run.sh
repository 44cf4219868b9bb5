#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs them all at once, each for a
# bounded time from its seed corpus:  fuzz/run.sh [seconds]  (default 30).
# A crash, leak, timeout or sanitizer report fails the script; the log and
# the failing input stay in build-fuzz/findings/. Inputs a run finds
# interesting are kept in fuzz/corpus-work/ (not committed) for later runs.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="$(command -v clang++-14 || command -v clang++)" > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -rf "$build/findings" && mkdir -p "$build/findings"

failed=0
for harness in fuzz_command_line:4096 fuzz_template_merge:16384 fuzz_ucf_reader:16384 \
  fuzz_module_file:8192 fuzz_board_file:16384; do
  name=${harness%:*}
  mkdir -p "$root/fuzz/corpus-work/$name"
  "$build/$name" "$root/fuzz/corpus-work/$name" "$root/fuzz/corpus/$name" -max_total_time="$seconds" \
    -max_len="${harness#*:}" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" > "$build/findings/$name.log" 2>&1 &
done
for job in $(jobs -p); do wait "$job" || failed=1; done
for name in fuzz_command_line fuzz_template_merge fuzz_ucf_reader fuzz_module_file \
  fuzz_board_file; do
  echo "$name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$build/findings/$name.log") runs"
done
[ "$failed" = 0 ] || tail -n 40 "$build"/findings/*.log
exit $failed
