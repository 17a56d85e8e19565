#!/usr/bin/env bash
# Fuzzes the project file reader (or, with "group" as the second argument, the group file
# reader) for SECONDS (default 60) on a copy of its seed corpus.
# Builds with clang in build-fuzz; new inputs stay in build-fuzz/corpus, crashes in
# build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
reader=${2:-project}
corpus=tests/fuzz/corpus
[ "$reader" = group ] && corpus=tests/fuzz/group_corpus
cmake -S . -B build-fuzz -DTESSALY_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target "fuzz_${reader}_reader"
mkdir -p "build-fuzz/corpus-$reader" build-fuzz/artifacts
cp -n "$corpus"/* "build-fuzz/corpus-$reader/" 2>/dev/null || true
"build-fuzz/tests/fuzz/fuzz_${reader}_reader" -max_total_time="$seconds" -max_len=120000 \
  -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 "build-fuzz/corpus-$reader"
