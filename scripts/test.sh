#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs every test
# (core and GUI, then the core again under the address and undefined-behaviour
# sanitizers, which also replays the fuzz corpus), then the format and lint checks.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

echo "== layering"
./scripts/check-includes.sh

echo "== build"
./scripts/build.sh
echo "== tests"
(cd build && ctest --output-on-failure -j2 --timeout 300)

echo "== sanitizer build of the core"
# -O1: the sanitizers still see every fault, and the randomized tests run over twice as fast.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DTESSALY_WERROR=ON -DTESSALY_SANITIZE=ON \
  -DTESSALY_CORE_ONLY=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-asan -j2
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2 --timeout 300)

if [ -x scripts/lint.sh ]; then
  echo "== format and lint"
  ./scripts/lint.sh build
fi
echo "== all tests passed"
