#!/bin/sh
# Fuzzes the logo's bitmap reader for a while (30 seconds by default), from the
# committed seeds and our logo; fails on any crash, leak or sanitizer report.
#   scripts/fuzz.sh [seconds]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARVEX_FUZZ=ON -DTARVEX_WERROR=ON >/dev/null
cmake --build build/fuzz >/dev/null
# The corpus grows in the build folder; the seeds stay as they are.
mkdir -p build/fuzz/corpus
build/fuzz/bitmap_reader_fuzz -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 -artifact_prefix=build/fuzz/ \
  -seed_inputs=resources/VELKLOGO.DIB build/fuzz/corpus tests/fuzz/corpus 2>build/fuzz/log.txt || {
  tail -40 build/fuzz/log.txt
  exit 1
}
grep -E 'stat::number_of_executed_units|stat::peak_rss' build/fuzz/log.txt
