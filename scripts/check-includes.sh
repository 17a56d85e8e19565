#!/usr/bin/env bash
# The layering, checked by folder:
# - src/core includes no Qt header and nothing outside src/core (the generated
#   TessalyVersion.h aside, which carries the version from the build);
# - src/cli includes the core and its own files only;
# - the folders of each layer are layers themselves: a folder includes only its own
#   files and the folders below it in the lists below, so no folder includes upward
#   and no two folders include each other;
# - src/gui folders include the whole core and the GUI folders below them.
# Every include directive counts, however it is written: quotes or angle brackets
# (src is on the include path, so <gui/...> finds the same file as "gui/..."), spaces
# around the "#", indented. A project include names its file from src: no "." or ".."
# step and no absolute path, which could reach any folder unseen; an include whose
# name is not written out (a macro) is refused, since it cannot be checked.
# Usage: check-includes.sh [ROOT]  (ROOT holds src/; the repository by default)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
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
  [ -d "$dir" ] || continue
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

directive='^[[:space:]]*#[[:space:]]*include(_next)?[[:space:]]*(.*)$'
named='^([<"])([^>"]*)[>"]'

check_file() { # file layer folder
  local file=$1 layer=$2 folder=$3
  local number text rest open target
  while IFS= read -r line; do
    number=${line%%:*}
    text=${line#*:}
    [[ $text =~ $directive ]] || continue
    rest=${BASH_REMATCH[2]}
    if ! [[ $rest =~ $named ]]; then
      fail "include without a written file name: $file:$number: $text"
      continue
    fi
    open=${BASH_REMATCH[1]}
    target=${BASH_REMATCH[2]}
    case "/$target/" in
    //* | */./* | */../* | *//*)
      fail "include path with a \".\" or \"..\" step or from the root: $file:$number: $text"
      continue
      ;;
    esac
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
    core/* | gui/*) fail "include outside a folder of its layer: $file includes $target" ;;
    Q* | q*.h)
      # Qt's headers: <QWidget>, <QtWidgets/QWidget>, <qwidget.h>.
      [ "$layer" = gui ] || fail "Qt outside the GUI: $file:$number: $text"
      ;;
    *) [ "$open" = '<' ] || fail "include outside src/core and src/gui: $file includes $target" ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
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
done < <(find src \( -name '*.h' -o -name '*.cpp' \) -type f | sort)

# Nothing may stand beside the layers.
for stray in $(find src -mindepth 1 -maxdepth 1 -type d ! -name core ! -name gui ! -name cli); do
  fail "folder outside the layers: $stray"
done

[ $status -eq 0 ] && echo "-- includes: layers and folders in order, no upward include ($count files)"
exit $status
