#!/usr/bin/env bash
# Fuzzes a file reader for SECONDS (default 60) on a copy of its seed corpus: the project
# file reader (project, the default), the group file reader (group) or the tree file
# reader (tree). Builds with clang in build-fuzz; new inputs stay in build-fuzz/<corpus>,
# crashes in build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
reader=${2:-project}
case "$reader" in
  project) target=fuzz_project_reader corpus=corpus max_len=70000 ;;
  group) target=fuzz_group_reader corpus=group_corpus max_len=120000 ;;
  tree) target=fuzz_tree_reader corpus=corpus_tsj max_len=400000 ;;
  *) echo "usage: $0 [seconds] [project|group|tree]" >&2; exit 2 ;;
esac
cmake -S . -B build-fuzz -DTESSALY_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target "$target"
mkdir -p "build-fuzz/$corpus" build-fuzz/artifacts
cp -n "tests/fuzz/$corpus"/* "build-fuzz/$corpus/" 2>/dev/null || true
"build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" \
  -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 "build-fuzz/$corpus"
