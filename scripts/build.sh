#!/usr/bin/env bash
# Configures and builds the whole program (GUI, tools, tests, benchmarks) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
log=$(mktemp)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_WERROR=ON >"$log" 2>&1 ||
  { cat "$log" >&2; rm -f "$log"; exit 1; }
rm -f "$log"
cmake --build build -j2 "$@"
