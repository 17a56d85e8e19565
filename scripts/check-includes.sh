#!/usr/bin/env bash
# The layering, checked by folder:
# - src/core includes no Qt header and nothing outside src/core (the generated
#   TessalyVersion.h aside, which carries the version from the build);
# - src/cli includes the core and its own files only;
# - the folders of each layer are layers themselves: a folder includes only its own
#   files and the folders below it in the lists below, so no folder includes upward
#   and no two folders include each other;
# - src/gui folders include the whole core and the GUI folders below them.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

# Bottom first.
core_order=(model layout results storage document judgement group lifecycle)
gui_order=(widgets results group judgement view app)

index_of() { # name, list...
  local name=$1
  shift
  local i=0
  for item in "$@"; do
    [ "$item" = "$name" ] && { echo $i; return; }
    i=$((i + 1))
  done
  echo -1
}

fail() {
  echo "$1" >&2
  status=1
}

for dir in src/core/*/ src/gui/*/; do
  dir=${dir%/}
  layer=$(basename "$(dirname "$dir")")
  folder=$(basename "$dir")
  if [ "$layer" = core ]; then
    own=$(index_of "$folder" "${core_order[@]}")
  else
    own=$(index_of "$folder" "${gui_order[@]}")
  fi
  [ "$own" -ge 0 ] || fail "folder not in the layer order of scripts/check-includes.sh: $dir"
done

check_file() { # file layer folder
  local file=$1 layer=$2 folder=$3
  while IFS= read -r line; do
    local target=${line#*\"}
    target=${target%%\"*}
    case "$target" in
    TessalyVersion.h) continue ;;
    cli/*) [ "$layer" = cli ] || fail "command-line header outside src/cli: $file includes $target" ;;
    core/*/*)
      local tfolder=${target#core/}
      tfolder=${tfolder%%/*}
      if [ "$layer" = core ]; then
        local from to
        from=$(index_of "$folder" "${core_order[@]}")
        to=$(index_of "$tfolder" "${core_order[@]}")
        [ "$to" -ge 0 ] && [ "$to" -le "$from" ] || fail "upward include in the core: $file includes $target"
      fi
      ;;
    gui/*/*)
      if [ "$layer" != gui ]; then
        fail "window header outside the GUI: $file includes $target"
        continue
      fi
      local tfolder=${target#gui/}
      tfolder=${tfolder%%/*}
      local from to
      from=$(index_of "$folder" "${gui_order[@]}")
      to=$(index_of "$tfolder" "${gui_order[@]}")
      [ "$to" -ge 0 ] && [ "$to" -le "$from" ] || fail "upward include in the GUI: $file includes $target"
      ;;
    *) fail "include outside src/core and src/gui: $file includes $target" ;;
    esac
  done < <(grep -E '^#include "' "$file" || true)
  if [ "$layer" != gui ] && grep -qE '^#include <Q' "$file"; then
    fail "Qt outside the GUI: $file: $(grep -nE '^#include <Q' "$file" | head -n 1)"
  fi
}

count=0
while IFS= read -r file; do
  rel=${file#src/}
  layer=${rel%%/*}
  rest=${rel#*/}
  folder=${rest%%/*}
  [ "$layer" = cli ] && folder=cli && layer=cli
  check_file "$file" "$layer" "$folder"
  count=$((count + 1))
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

# Nothing may stand beside the layers.
for stray in $(find src -mindepth 1 -maxdepth 1 -type d ! -name core ! -name gui ! -name cli); do
  fail "folder outside the layers: $stray"
done

[ $status -eq 0 ] && echo "-- includes: layers and folders in order, no upward include ($count files)"
exit $status
