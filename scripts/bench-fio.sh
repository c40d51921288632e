#!/bin/sh
# Sets the disk test (diskbench) against fio and dd on one folder: the same
# block size and count, unbuffered synchronous transfers, taking turns run by run.
# diskbench is the disk test's engine built for this Linux host, which needs no
# Wine, so this runs alike where the machine runs no 32-bit x86 code.
#   scripts/bench-fio.sh <folder> [runs]     (11 runs by default)
set -eu
export LC_ALL=C # dd's summary is read below, so in English whatever the user's language

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <folder> [runs]" >&2
  exit 2
fi
folder=$(cd "$1" && pwd)
runs=${2:-11}
case $runs in '' | *[!0-9]* | 0) echo "runs must be a positive number" >&2; exit 2 ;; esac
command -v fio >/dev/null || { echo "fio is missing: run scripts/install-deps.sh" >&2; exit 1; }
command -v dd >/dev/null || { echo "dd is missing" >&2; exit 1; }

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
# buffer written with a stamp in every sector that makes each write unlike the
# others, no cache hints, and the read straight after the write.
fio_run() { # <block size in KiB> <block count>
  rm -f "$work/files/fio.dat"
  fio --filename="$work/files/fio.dat" --bs="$1k" --size=$(($1 * $2 * 1024)) \
      --direct=1 --ioengine=sync --numjobs=1 --fallocate=none --create_on_open=1 --scramble_buffers=1 \
      --invalidate=0 --fadvise_hint=0 --gtod_reduce=1 --output-format=terse --terse-version=3 \
      --name=write --rw=write --name=read --stonewall --rw=read |
    awk -F';' '$3 == "write" { print "write", $48 } $3 == "read" { print "read", $7 }'
  rm -f "$work/files/fio.dat"
}

# The same for dd with direct I/O: its byte count over its own time, in KiB/s.
dd_run() { # <block size in KiB> <block count>
  f=$work/files/dd.dat
  rm -f "$f"
  { dd if=/dev/zero of="$f" bs="$1k" count="$2" oflag=direct 2>&1 >/dev/null | dd_rate write
    dd if="$f" of=/dev/null bs="$1k" count="$2" iflag=direct 2>&1 >/dev/null | dd_rate read; }
  rm -f "$f"
}
dd_rate() { # <phase>: reads dd's summary "<bytes> bytes ... copied, <seconds> s, ..."
  awk -v p="$1" '/copied/ { for (i = 1; i <= NF; i++) if ($i == "s," || $i == "s") s = $(i - 1);
                            printf "%s %d\n", p, $1 / 1024 / s }'
}

median() { # of the numbers on stdin; the mean of the middle two for an even count
  sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : int((v[m] + v[m + 1]) / 2) }'
}

diskbench_run() { # <board type>
  out=$("$diskbench" "$work/files" "$1" 1)
  case $out in *O_DIRECT*) echo "warning: O_DIRECT refused in $folder, diskbench measured the cache" >&2 ;; esac
  echo "$out" | awk '/^run/ { print "write", $4; print "read", $7 }'
}

# One run of a tool: its two figures into the results, or a stop when it gave none.
measure() { # <board> <tool>
  if [ "$1" = 1 ]; then bs=32; count=640; else bs=96; count=213; fi
  case $2 in
    diskbench) figures=$(diskbench_run "$1") ;;
    fio) figures=$(fio_run "$bs" "$count") ;;
    dd) figures=$(dd_run "$bs" "$count") ;;
  esac
  [ "$(echo "$figures" | wc -l)" -eq 2 ] || { echo "$2 failed in $folder" >&2; exit 1; }
  echo "$figures" | awk -v b="$1" -v t="$2" '{ print b, $1, t, $2 }' >>"$results"
  printf '%s %s | ' "$2" "$(echo "$figures" | tr '\n' ' ')"
}

# The tools take turns, and the order turns too, so that none always follows
# another's deleted file.
for board in 1 2; do
  run=1
  while [ "$run" -le "$runs" ]; do
    printf 'board %s run %s: ' "$board" "$run"
    case $((run % 3)) in
      1) order="diskbench fio dd" ;;
      2) order="fio dd diskbench" ;;
      0) order="dd diskbench fio" ;;
    esac
    for tool in $order; do measure "$board" "$tool"; done
    echo
    run=$((run + 1))
  done
done

echo
"$diskbench" "$work/files" 1 1 | grep '^clock'
echo "timed diskbench, the disk test's engine built for this host ($(uname -m) Linux), neither Windows flavour"
echo "$folder ($(stat -f -c %T "$folder")), $runs runs each; medians in kB/s (kB = 1024 bytes)"
printf '%-6s %-6s %10s %10s %6s %10s %6s\n' board phase diskbench fio ratio dd ratio
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (b > 0) ? a / b : 0 }'; }
for board in 1 2; do
  for phase in write read; do
    m() { awk -v b="$board" -v p="$phase" -v t="$1" '$1 == b && $2 == p && $3 == t { print $4 }' "$results" | median; }
    ours=$(m diskbench) theirs=$(m fio) plain=$(m dd)
    printf '%-6s %-6s %10s %10s %6s %10s %6s\n' "$board" "$phase" "$ours" "$theirs" "$(ratio "$ours" "$theirs")" \
      "$plain" "$(ratio "$ours" "$plain")"
  done
done
