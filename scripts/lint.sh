#!/usr/bin/env bash
# Format check of every source under src/ and tests/, then clang-tidy over the Qt-free
# core with the compile database of the given build directory. Any finding fails.
# Usage: scripts/lint.sh <build-dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/lint.sh <build-dir>}
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json" >&2; exit 2; }

format=$(command -v clang-format-14 || command -v clang-format)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)

echo "-- clang-format"
find src tests -name '*.h' -o -name '*.cpp' | sort | xargs "$format" --dry-run -Werror

echo "-- clang-tidy"
# GCC-only warning options of the build (-Wno-error=restrict) are not clang's: ignored.
# The core is every source under src/core and the command-line report; the windows
# under src/gui are never linted here.
files=()
for f in $(find src/core src/cli -name '*.cpp' | sort); do
  if grep -q "\"file\": \"$(pwd)/$f\"" "$build/compile_commands.json"; then
    files+=("$f")
  fi
done
[ ${#files[@]} -gt 0 ] || { echo "no core sources in the compile database" >&2; exit 2; }
log=$(mktemp)
status=0
printf '%s\n' "${files[@]}" | xargs -P2 -n2 "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1 || status=$?
if [ $status -ne 0 ] || grep -qE 'warning:|error:' "$log"; then
  cat "$log"
  rm -f "$log"
  echo "clang-tidy found problems" >&2
  exit 1
fi
rm -f "$log"
echo "-- lint clean (${#files[@]} core files)"
