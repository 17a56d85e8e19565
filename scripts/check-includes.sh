#!/usr/bin/env bash
# The layering, checked by text:
# - no file under src/ outside app/ includes an app/ header other than the user-dialog
#   seam's (the windows talk upward by signals, never by including the frame);
# - no core file (a folder's CORE_SOURCES, the headers beside them, the command-line
#   report) includes a Qt header or a header of a window.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

while IFS= read -r line; do
  echo "upward include: $line" >&2
  status=1
done < <(grep -rnE '#include "app/' src --include='*.h' --include='*.cpp' | grep -v '^src/app/' |
  grep -v '#include "app/CUserDialogs.h"' || true)

listed() { # folder, CORE or GUI
  sed -n "/set($2_SOURCES/,/)/p" "src/$1/sources.cmake" | grep -v "set(\|)" | sed "s|^ *||; s|\.cpp$||"
}
gui_headers=()
core_files=()
for dir in app model storage view judgement results; do
  for base in $(listed "$dir" GUI); do gui_headers+=("$dir/$base.h"); done
  for base in $(listed "$dir" CORE); do
    core_files+=("src/$dir/$base.cpp")
    [ -f "src/$dir/$base.h" ] && core_files+=("src/$dir/$base.h")
  done
done
# Headers with no source of their own count as core unless they include Qt.
for header in $(cd src && ls */*.h); do
  base=${header%.h}
  [ -f "src/$base.cpp" ] && continue
  grep -qE '#include <Q' "src/$header" || core_files+=("src/$header")
done
core_files+=(src/cli/*.cpp)

for file in "${core_files[@]}"; do
  if grep -nE '#include <Q' "$file" >/dev/null; then
    echo "Qt in the core: $file: $(grep -nE '#include <Q' "$file" | head -n 1)" >&2
    status=1
  fi
  for header in "${gui_headers[@]}"; do
    if grep -q "#include \"$header\"" "$file"; then
      echo "window header in the core: $file includes $header" >&2
      status=1
    fi
  done
done

[ $status -eq 0 ] && echo "-- includes: no upward include, no window or Qt header in the core (${#core_files[@]} core files)"
exit $status
