#!/usr/bin/env bash
# Times `tabseed -COUNT=1000000` against `cat >>` appending the same bytes to
# a new file on the same file system, and prints the ratio of the two median
# wall-clock times, with the CPU times (user + system) and the load average
# before and after: on a busy machine the wall-clock times say little.
#
#   bench/tabseed/run.sh [path/to/tabseed]
#
# Environment:
#   TALVEX_BIN       folder holding tabseed (default: build/bin of this tree)
#   BENCH_DIR        file system to write on (default: $TMPDIR or /tmp)
#   BENCH_ROUNDS     timed rounds of each program (default: 7)
#   BENCH_COUNT      entries per run (default: 1000000)
#   BENCH_MAX_RATIO  if set, exit 1 when the ratio is above it (e.g. 2)
set -euo pipefail
# Decimal points in the times, whatever the locale.
export LC_ALL=C

root=$(cd "$(dirname "$0")/../.." && pwd)
program=${1:-${TALVEX_BIN:-$root/build/bin}/tabseed}
rounds=${BENCH_ROUNDS:-7}
count=${BENCH_COUNT:-1000000}

if [ ! -x "$program" ]; then
  echo "bench: no tabseed at $program (build it first)" >&2
  exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

work=$(mktemp -d "${BENCH_DIR:-${TMPDIR:-/tmp}}/tabseed-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# tabseed upper-cases its file name, so the files are named relative to here.
cd "$work"

now() { date +%s.%N; }

# Wall-clock and CPU seconds taken by one command, its output file removed
# and the disk settled beforehand.
timed() {
  local output=$1
  shift
  rm -f "$output"
  sync
  local start end
  start=$(now)
  { time "$@" 2>/dev/null; } 2>cpu
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f ", b - a }'
  cat cpu
}
TIMEFORMAT='%3U %3S'

median() {
  sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else print (v[m] + v[m + 1]) / 2 }'
}

# The reference bytes cat copies: one run of the generator.
"$program" -COUNT="$count" -FILE=REFERENCE.TXT 2>/dev/null
bytes=$(stat -c %s REFERENCE.TXT)

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
cat_runs=()
gen_runs=()
for _ in $(seq "$rounds"); do
  cat_runs+=("$(timed CAT.TXT sh -c 'cat REFERENCE.TXT >> CAT.TXT')")
  gen_runs+=("$(timed GEN.TXT "$program" -COUNT="$count" -FILE=GEN.TXT)")
done
load_after=$(cut -d ' ' -f 1-3 /proc/loadavg)

# Column 1 of the runs is the wall-clock time, columns 2 and 3 the user and
# system CPU time.
walls() { printf '%s\n' "$@" | awk '{ print $1 }'; }
cpus() { printf '%s\n' "$@" | awk '{ print $2 + $3 }'; }
cat_median=$(walls "${cat_runs[@]}" | median)
gen_median=$(walls "${gen_runs[@]}" | median)
cat_cpu=$(cpus "${cat_runs[@]}" | median)
gen_cpu=$(cpus "${gen_runs[@]}" | median)
ratio=$(awk -v g="$gen_median" -v c="$cat_median" 'BEGIN { printf "%.4f\n", g / c }')

printf 'tabseed bench: %s entries, %s bytes, %s rounds, on %s\n' "$count" "$bytes" "$rounds" \
  "$(df -P "$work" | awk 'NR == 2 { print $1 }')"
printf '  load average before %s, after %s\n' "$load_before" "$load_after"
printf '  cat >>  median %.3f s, CPU %.3f s  (%s)\n' "$cat_median" "$cat_cpu" \
  "$(walls "${cat_runs[@]}" | xargs printf '%.3f ')"
printf '  tabseed median %.3f s, CPU %.3f s  (%s)\n' "$gen_median" "$gen_cpu" \
  "$(walls "${gen_runs[@]}" | xargs printf '%.3f ')"
printf '  ratio tabseed / cat: %.2f\n' "$ratio"

if [ -n "${BENCH_MAX_RATIO:-}" ] && awk -v r="$ratio" -v m="$BENCH_MAX_RATIO" 'BEGIN { exit !(r > m) }'; then
  echo "bench: ratio above $BENCH_MAX_RATIO" >&2
  exit 1
fi
