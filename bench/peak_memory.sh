#!/usr/bin/env bash
# Prints the peak resident memory of hbpins for the inputs that once made
# it grow without bound: -k of /dev/zero through a link, a FIFO and
# standard input, of an endless text and of 16 MiB of statements; -m of the
# shapes of 16 MiB module files. The test suite runs the same inputs under a
# cap of address space (tests/bounds/bounded_inputs.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -x /usr/bin/time ]; then
  apt-get install -y time > /dev/null || { apt-get update > /dev/null && apt-get install -y time > /dev/null; }
fi
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench -j "$(nproc)" > /dev/null
bash tests/bounds/bounded_inputs.sh build-bench/hbpins peak
