#!/usr/bin/env bash
# Runs one end-to-end case folder against the hbpins binary:
#
#   run_case.sh HBPINS CASE_DIR [--update]
#
#   commands    shell command lines, run in order in one scratch directory as
#               in a terminal (hbpins is the binary under test; a line
#               starting with # is a comment)
#   transcript  the expected transcript: each command after "$ ", then its
#               standard output, its standard error (each line after
#               "stderr: ") and, unless it is 0, "(status N)"; an output or
#               error stream that ends in the usage text shows the line
#               "<usage>" in its place
#   input/      files copied into the scratch directory before the first line
#   files/      the files the commands leave that input/ does not hold as is
#
# Afterwards the scratch directory must hold exactly the regular files of
# input/ and files/ (those of files/ replacing those of input/), byte for
# byte. --update rewrites transcript and files/ from the run, for review with
# git diff.
#
# Built with a sanitizer, a report fails the case whatever the run printed.
hbpins_binary=$(realpath "$1")
case_dir=$(realpath "$2")
update=${3:-}
usage_file=$(dirname "$(realpath "$0")")/usage.txt

scratch=$(mktemp -d)
trap 'cd /; chmod -R u+rwx "$scratch" 2> /dev/null; rm -rf "$scratch"' EXIT
work=$scratch/work
mkdir "$work"
[ -d "$case_dir/input" ] && cp -a "$case_dir/input/." "$work/"

export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=86:log_path=$scratch/sanitizer"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}exitcode=86:halt_on_error=1:print_stacktrace=1"
export HBPINS=$hbpins_binary
hbpins() { "$HBPINS" "$@"; }

usage_size=$(wc -c < "$usage_file")
# Appends a command's captured output to the transcript.
record() {
  local out=$scratch/out err=$scratch/err
  if [ -s "$out" ] && tail -c "$usage_size" "$out" | cmp -s - "$usage_file"; then
    head -c -"$usage_size" "$out"
    echo "<usage>"
  else
    cat "$out"
    [ -s "$out" ] && [ -n "$(tail -c 1 "$out")" ] && printf '\n(no line end)\n'
  fi
  if [ -s "$err" ] && tail -c "$usage_size" "$err" | cmp -s - "$usage_file"; then
    head -c -"$usage_size" "$err" | sed 's/^/stderr: /'
    echo "stderr: <usage>"
  else
    sed 's/^/stderr: /' "$err"
  fi
  [ "$1" = 0 ] || echo "(status $1)"
}

set -o pipefail
cd "$work" || exit 1
while IFS= read -r line || [ -n "$line" ]; do
  if [ -z "$line" ] || [ "${line:0:1}" = "#" ]; then
    echo "$line"
    continue
  fi
  echo "\$ $line"
  eval "$line" > "$scratch/out" 2> "$scratch/err" < /dev/null
  record $?
done < "$case_dir/commands" > "$scratch/transcript"
cd "$scratch" || exit 1

failed=0
if compgen -G "$scratch/sanitizer*" > /dev/null || grep -q -e 'runtime error:' -e 'Sanitizer' "$scratch/transcript"; then
  echo "sanitizer report:"
  cat "$scratch/sanitizer"* "$scratch/transcript" 2> /dev/null
  failed=1
fi

expected=$scratch/expected
mkdir "$expected"
[ -d "$case_dir/input" ] && cp -a "$case_dir/input/." "$expected/"
list_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }

if [ "$update" = --update ]; then
  cp "$scratch/transcript" "$case_dir/transcript"
  rm -rf "$case_dir/files"
  while IFS= read -r file; do
    if ! cmp -s "$expected/$file" "$work/$file"; then
      mkdir -p "$(dirname "$case_dir/files/$file")"
      cp -a "$work/$file" "$case_dir/files/$file"
    fi
  done < <(list_files "$work")
  exit $failed
fi

if ! cmp -s "$case_dir/transcript" "$scratch/transcript"; then
  echo "the transcript differs (< expected, > actual):"
  diff "$case_dir/transcript" "$scratch/transcript" | head -n 60
  failed=1
fi
[ -d "$case_dir/files" ] && cp -a "$case_dir/files/." "$expected/"
if ! diff <(list_files "$expected") <(list_files "$work"); then
  echo "the files differ from the expected set (< expected, > actual)"
  failed=1
fi
while IFS= read -r file; do
  if [ -f "$work/$file" ] && ! cmp -s "$expected/$file" "$work/$file"; then
    echo "file $file differs (< expected, > actual):"
    diff "$expected/$file" "$work/$file" | head -n 40
    failed=1
  fi
done < <(list_files "$expected")
exit $failed
