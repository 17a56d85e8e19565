#!/usr/bin/env bash
# Start-up of tessaly against a bare Qt window of the same build, on a private Xvfb
# screen of 1024x768 (the size the frame expects, so it starts without its notice):
# the medians of RUNS starts each (default 15), from exec to the window mapped, and
# the peak memory of each, then the same against a bare window showing text. Builds
# what it needs in build/ first.
# Usage: bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
log=$(mktemp)
./scripts/build.sh --target tessaly bench_bare_window bench_bare_text_window bench_startup >"$log" 2>&1 ||
  { cat "$log" >&2; rm -f "$log"; exit 1; }
rm -f "$log"

# Xvfb chooses a free display itself and writes its number once it accepts clients.
coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
xvfb=$XVFB_PID
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true' EXIT
read -r -t 30 display <&"${XVFB[0]}" || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$display ./build/bench/bench_startup --runs "$runs" ./build/src/tessaly ./build/bench/bench_bare_window
# Against a bare window that also shows text (a menu and a status bar), which pays for
# the font database as the frame does.
DISPLAY=:$display ./build/bench/bench_startup --runs "$runs" ./build/src/tessaly ./build/bench/bench_bare_text_window
