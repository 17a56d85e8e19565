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
# The core files are those a folder's sources.cmake lists under CORE_SOURCES; the Qt
# windows beside them are never linted here.
core_list() {
  sed -n '/set(CORE_SOURCES/,/)/p' "src/$1/sources.cmake" | grep -v 'set(\|)' | sed "s|^ *|src/$1/|"
}
files=()
for f in $(core_list model) $(core_list results) $(core_list storage) $(core_list view) $(core_list judgement) \
  $(ls src/cli/*.cpp 2>/dev/null || true); do
  if [ -f "$f" ] && grep -q "\"file\": \"$(pwd)/$f\"" "$build/compile_commands.json"; then
    files+=("$f")
  fi
done
[ ${#files[@]} -gt 0 ] || { echo "no core sources in the compile database" >&2; exit 2; }
log=$(mktemp)
status=0
printf '%s\n' "${files[@]}" | xargs -P2 -n2 "$tidy" -p "$build" --quiet >"$log" 2>&1 || status=$?
if [ $status -ne 0 ] || grep -qE 'warning:|error:' "$log"; then
  cat "$log"
  rm -f "$log"
  echo "clang-tidy found problems" >&2
  exit 1
fi
rm -f "$log"
echo "-- lint clean (${#files[@]} core files)"
