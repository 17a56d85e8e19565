#!/usr/bin/env bash
# Fuzzes the project file reader for SECONDS (default 60) on a copy of the seed corpus.
# Builds with clang in build-fuzz; new inputs stay in build-fuzz/corpus, crashes in
# build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build-fuzz -DTESSALY_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target fuzz_project_reader
mkdir -p build-fuzz/corpus build-fuzz/artifacts
cp -n tests/fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
build-fuzz/tests/fuzz/fuzz_project_reader -max_total_time="$seconds" -max_len=70000 \
  -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 build-fuzz/corpus
