#!/usr/bin/env bash
# Memory at start-up: the resident set of tessaly once its frame is shown and the
# program is idle, against a bare Qt main window of the same build and size with a menu
# and a status bar, on a private Xvfb screen of 1024x768; the medians of RUNS starts
# each (default 7) and their ratio. Builds what it needs in build/ first.
# Usage: bench/startup-memory.sh [RUNS] [PROGRAM]   (PROGRAM: another tessaly to measure)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
program=${2:-./build/src/tessaly}
log=$(mktemp)
./scripts/build.sh --target tessaly bench_bare_text_window >"$log" 2>&1 ||
  { cat "$log" >&2; rm -f "$log"; exit 1; }
rm -f "$log"

coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
xvfb=$XVFB_PID
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
read -r -t 30 display <&"${XVFB[0]}" || { echo "startup-memory.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display

# The resident set in MB of one start, read when the program has been idle for a while
# (its start-up work done): the first moment its CPU time stops growing for half a second.
rss() {
  "$1" >/dev/null 2>&1 &
  local pid=$! last=-1 now
  sleep 1
  for _ in $(seq 40); do
    now=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    [ "$now" = "$last" ] && break
    last=$now
    sleep 0.5
  done
  awk '/VmRSS/ {printf "%.1f\n", $2 / 1024}' "/proc/$pid/status"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

tessaly=()
bare=()
for _ in $(seq "$runs"); do
  tessaly+=("$(rss "$program")")
  bare+=("$(rss ./build/bench/bench_bare_text_window)")
done
t=$(printf '%s\n' "${tessaly[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "tessaly: ${tessaly[*]} MB, median $t MB"
echo "bare window: ${bare[*]} MB, median $b MB"
awk -v t="$t" -v b="$b" 'BEGIN {printf "tessaly/bare: %.2fx\n", t / b}'
