#!/bin/sh
# Sets the disk test (diskbench) against fio on one folder: the same block size
# and count, unbuffered synchronous transfers, the two taking turns run by run.
#   scripts/bench-fio.sh <folder> [runs]     (5 runs by default)
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <folder> [runs]" >&2
  exit 2
fi
folder=$(cd "$1" && pwd)
runs=${2:-5}
case $runs in '' | *[!0-9]* | 0) echo "runs must be a positive number" >&2; exit 2 ;; esac
command -v fio >/dev/null || { echo "fio is missing: run scripts/install-deps.sh" >&2; exit 1; }

cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DTARVEX_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench --target diskbench >/dev/null
diskbench=$PWD/build/bench/diskbench

work=$(mktemp -d "$folder/bench-fio.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
results=$work/results
mkdir "$work/files"

# fio lays its file out with fallocate by default, so its writes would fill
# reserved extents while the disk test appends to a fresh file: turn that off.
fio_run() { # <rw> <bs in KiB> <count>; prints KiB/s
  field=7
  [ "$1" = write ] && field=48
  fio --name=bench --filename="$work/files/fio.dat" --rw="$1" --bs="$2k" --size=$(($2 * $3 * 1024)) \
      --direct=1 --ioengine=sync --numjobs=1 --fallocate=none \
      --output-format=terse --terse-version=3 | awk -F';' -v f="$field" 'NR == 1 { print $f }'
}

median() { # of the numbers on stdin; the mean of the middle two for an even count
  sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : int((v[m] + v[m + 1]) / 2) }'
}

for board in 1 2; do
  if [ "$board" = 1 ]; then bs=32; count=640; else bs=96; count=213; fi
  run=1
  while [ "$run" -le "$runs" ]; do
    out=$("$diskbench" "$work/files" "$board" 1)
    case $out in *O_DIRECT*) echo "warning: O_DIRECT refused in $folder, diskbench measured the cache" >&2 ;; esac
    echo "$out" | awk -v b="$board" '/^run/ { print b, "write diskbench", $4; print b, "read diskbench", $7 }' >>"$results"

    rm -f "$work/files/fio.dat"
    echo "$board write fio $(fio_run write $bs $count)" >>"$results"
    echo "$board read fio $(fio_run read $bs $count)" >>"$results"
    rm -f "$work/files/fio.dat"
    run=$((run + 1))
  done
done

echo "folder: $folder ($(stat -f -c %T "$folder")), $runs runs each, medians in kB/s (kB = 1024 bytes)"
printf '%-6s %-6s %10s %10s %6s\n' board phase diskbench fio ratio
for board in 1 2; do
  for phase in write read; do
    ours=$(awk -v b="$board" -v p="$phase" '$1 == b && $2 == p && $3 == "diskbench" { print $4 }' "$results" | median)
    theirs=$(awk -v b="$board" -v p="$phase" '$1 == b && $2 == p && $3 == "fio" { print $4 }' "$results" | median)
    printf '%-6s %-6s %10s %10s %6s\n' "$board" "$phase" "$ours" "$theirs" \
      "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')"
  done
done
if [ -n "${BENCH_FIO_RAW:-}" ]; then
  echo "every run (board phase tool kB/s):"
  cat "$results"
fi
