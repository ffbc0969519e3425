#!/usr/bin/env bash
# Times `tabseed -COUNT=1000000` against `cat` writing the same bytes to the
# same file system, and prints the ratio of the two median times.
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

# Seconds taken by one command, its output file removed and the disk
# settled beforehand.
timed() {
  local output=$1
  shift
  rm -f "$output"
  sync
  local start end
  start=$(now)
  "$@"
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f\n", b - a }'
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else print (v[m] + v[m + 1]) / 2 }'
}

# The reference bytes cat copies: one run of the generator.
"$program" -COUNT="$count" -FILE=REFERENCE.TXT 2>/dev/null
bytes=$(stat -c %s REFERENCE.TXT)

cat_times=()
gen_times=()
for _ in $(seq "$rounds"); do
  cat_times+=("$(timed CAT.TXT sh -c 'cat REFERENCE.TXT > CAT.TXT')")
  gen_times+=("$(timed GEN.TXT "$program" -COUNT="$count" -FILE=GEN.TXT 2>/dev/null)")
done

cat_median=$(printf '%s\n' "${cat_times[@]}" | median)
gen_median=$(printf '%s\n' "${gen_times[@]}" | median)
ratio=$(awk -v g="$gen_median" -v c="$cat_median" 'BEGIN { printf "%.4f\n", g / c }')

printf 'tabseed bench: %s entries, %s bytes, %s rounds, on %s\n' "$count" "$bytes" "$rounds" \
  "$(df -P "$work" | awk 'NR == 2 { print $1 }')"
printf '  cat     median %.3f s  (%s)\n' "$cat_median" "$(printf '%.3f ' "${cat_times[@]}")"
printf '  tabseed median %.3f s  (%s)\n' "$gen_median" "$(printf '%.3f ' "${gen_times[@]}")"
printf '  ratio tabseed / cat: %.2f\n' "$ratio"

if [ -n "${BENCH_MAX_RATIO:-}" ] && awk -v r="$ratio" -v m="$BENCH_MAX_RATIO" 'BEGIN { exit !(r > m) }'; then
  echo "bench: ratio above $BENCH_MAX_RATIO" >&2
  exit 1
fi
