#!/usr/bin/env bash
# Runs one end-to-end case folder against the hbpins binary.
#
#   args     the arguments, one per line (an empty line is an empty argument)
#   input/   files copied into the empty working directory before the run
#   run.sh   optional: run instead of hbpins with the arguments; it gets the
#            binary as $HBPINS, and its standard output and exit status count
#   stdout   the expected standard output (absent: nothing)
#   status   the expected exit status (absent: 0)
#   files/   the files the run writes
#
# Afterwards the working directory must hold exactly the files of input/ and
# files/ (those of files/ replacing those of input/), byte for byte.
#
# Built with AddressSanitizer or UndefinedBehaviorSanitizer, a report fails
# the case whatever the run printed: the sanitizers end the process with a
# status no case expects, AddressSanitizer writes its reports into the
# scratch folder, and a report on standard error is looked for as well.
set -u
hbpins=$(realpath "$1")
case_dir=$(realpath "$2")

scratch=$(mktemp -d)
trap 'chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
work=$scratch/work
expected=$scratch/expected
mkdir "$work" "$expected"
[ -d "$case_dir/input" ] && cp -a "$case_dir/input/." "$work/" && cp -a "$case_dir/input/." "$expected/"
[ -d "$case_dir/files" ] && cp -a "$case_dir/files/." "$expected/"

sanitizer_log=$scratch/sanitizer
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=86:log_path=$sanitizer_log"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}exitcode=86:halt_on_error=1:print_stacktrace=1"

args=()
[ -f "$case_dir/args" ] && mapfile -t args < "$case_dir/args"

cd "$work" || exit 1
if [ -f "$case_dir/run.sh" ]; then
  HBPINS=$hbpins bash "$case_dir/run.sh" > "$scratch/stdout" 2> "$scratch/stderr"
else
  "$hbpins" "${args[@]}" > "$scratch/stdout" 2> "$scratch/stderr"
fi
status=$?
cd "$scratch" || exit 1
cat "$scratch/stderr" >&2

failed=0
if compgen -G "$sanitizer_log*" > /dev/null ||
  grep -q -e 'runtime error:' -e 'Sanitizer' "$scratch/stderr"; then
  echo "sanitizer report:"
  cat "$sanitizer_log"* 2> /dev/null
  failed=1
fi
expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi

expected_stdout=/dev/null
[ -f "$case_dir/stdout" ] && expected_stdout=$case_dir/stdout
if ! cmp -s "$scratch/stdout" "$expected_stdout"; then
  echo "standard output differs (expected, actual):"
  diff "$expected_stdout" "$scratch/stdout" | head -n 40
  failed=1
fi

list_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }
if ! diff <(list_files "$expected") <(list_files "$work") > "$scratch/file-list.diff"; then
  echo "the files differ from the expected set (< expected, > actual):"
  cat "$scratch/file-list.diff"
  failed=1
fi
while IFS= read -r file; do
  if [ -f "$work/$file" ] && ! cmp -s "$expected/$file" "$work/$file"; then
    echo "file $file differs (expected, actual):"
    diff "$expected/$file" "$work/$file" | head -n 40
    failed=1
  fi
done < <(list_files "$expected")

exit $failed
