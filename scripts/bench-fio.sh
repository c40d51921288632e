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
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
results=$work/results
mkdir "$work/files"

# Prints "write <KiB/s>" and "read <KiB/s>". Held to the disk test's work: a
# fresh file appended to (fio would otherwise fallocate it first), the same
# buffer written unchanged, no cache hints, and the read straight after the write.
fio_run() { # <block size in KiB> <block count>
  rm -f "$work/files/fio.dat"
  fio --filename="$work/files/fio.dat" --bs="$1k" --size=$(($1 * $2 * 1024)) \
      --direct=1 --ioengine=sync --numjobs=1 --fallocate=none --scramble_buffers=0 \
      --invalidate=0 --fadvise_hint=0 --gtod_reduce=1 --output-format=terse --terse-version=3 \
      --name=write --rw=write --name=read --stonewall --rw=read |
    awk -F';' '$3 == "write" { print "write", $48 } $3 == "read" { print "read", $7 }'
  rm -f "$work/files/fio.dat"
}

median() { # of the numbers on stdin; the mean of the middle two for an even count
  sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : int((v[m] + v[m + 1]) / 2) }'
}

for board in 1 2; do
  if [ "$board" = 1 ]; then bs=32; count=640; else bs=96; count=213; fi
  run=1
  while [ "$run" -le "$runs" ]; do
    ours=$("$diskbench" "$work/files" "$board" 1)
    case $ours in *O_DIRECT*) echo "warning: O_DIRECT refused in $folder, diskbench measured the cache" >&2 ;; esac
    ours=$(echo "$ours" | awk '/^run/ { print "write", $4; print "read", $7 }')
    theirs=$(fio_run "$bs" "$count")
    [ "$(echo "$theirs" | wc -l)" -eq 2 ] || { echo "fio failed in $folder" >&2; exit 1; }
    echo "$ours" | awk -v b="$board" '{ print b, $1, "diskbench", $2 }' >>"$results"
    echo "$theirs" | awk -v b="$board" '{ print b, $1, "fio", $2 }' >>"$results"
    echo "board $board run $run: diskbench $(echo "$ours" | tr '\n' ' ')| fio $(echo "$theirs" | tr '\n' ' ')"
    run=$((run + 1))
  done
done

echo
echo "$folder ($(stat -f -c %T "$folder")), $runs runs each; medians in kB/s (kB = 1024 bytes)"
printf '%-6s %-6s %10s %10s %6s\n' board phase diskbench fio ratio
for board in 1 2; do
  for phase in write read; do
    ours=$(awk -v b="$board" -v p="$phase" '$1 == b && $2 == p && $3 == "diskbench" { print $4 }' "$results" | median)
    theirs=$(awk -v b="$board" -v p="$phase" '$1 == b && $2 == p && $3 == "fio" { print $4 }' "$results" | median)
    printf '%-6s %-6s %10s %10s %6s\n' "$board" "$phase" "$ours" "$theirs" \
      "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')"
  done
done
