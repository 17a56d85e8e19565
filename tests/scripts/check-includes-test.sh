#!/usr/bin/env bash
# The include check refuses every way of writing an include that breaks the layering,
# and passes a tree that keeps it. Each case is one file in a small tree of src/.
set -uo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-includes.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

make_tree() { # a sound tree: each folder includes below itself
  rm -rf "$work/src"
  mkdir -p "$work/src/core/model" "$work/src/core/group" "$work/src/gui/widgets" "$work/src/gui/app" "$work/src/cli"
  printf '#pragma once\n#include <vector>\n' >"$work/src/core/model/A.h"
  printf '#include "core/model/A.h"\n#include <nlohmann/json.hpp>\n' >"$work/src/core/group/B.cpp"
  printf '#include "core/group/B.h"\n#include "gui/widgets/W.h"\n#include <QWidget>\n' >"$work/src/gui/app/F.cpp"
  printf '#include <QLabel>\n' >"$work/src/gui/widgets/W.h"
  printf '#include "core/model/A.h"\n#include "cli/C.h"\n#include "TessalyVersion.h"\n' >"$work/src/cli/C.cpp"
}

# file | line | what the refusal names ("" when the tree must pass)
cases=(
  'src/core/model/X.cpp|#include <gui/app/F.h>|window header outside the GUI'
  'src/core/model/X.cpp|#include <core/group/B.h>|upward include in the core'
  'src/core/model/X.cpp|# include "core/group/B.h"|upward include in the core'
  'src/core/model/X.cpp|  #include "core/group/B.h"|upward include in the core'
  'src/core/model/X.cpp|#  include  <gui/app/F.h>|window header outside the GUI'
  'src/core/model/X.cpp|#include_next <gui/app/F.h>|window header outside the GUI'
  'src/core/group/X.cpp|#include "../../gui/app/F.h"|"." or ".." step'
  'src/core/group/X.cpp|#include "core/model/../../gui/app/F.h"|"." or ".." step'
  'src/core/group/X.cpp|#include <core/./model/A.h>|"." or ".." step'
  'src/gui/widgets/X.cpp|#include "/abs/gui/app/F.h"|"." or ".." step'
  'src/gui/widgets/X.cpp|#include <gui/app/F.h>|upward include in the GUI'
  'src/gui/widgets/X.cpp|	#	include	"gui/app/F.h"|upward include in the GUI'
  'src/core/model/X.cpp|#include <QString>|Qt outside the GUI'
  'src/core/model/X.cpp| # include <QtCore/QString>|Qt outside the GUI'
  'src/cli/X.cpp|#include <qstring.h>|Qt outside the GUI'
  'src/cli/X.cpp|#include "gui/app/F.h"|window header outside the GUI'
  'src/core/model/X.cpp|#include "cli/C.h"|command-line header outside src/cli'
  'src/core/model/X.cpp|#include HEADER_OF(A)|without a written file name'
  'src/core/model/X.cpp|#include "A.h"|include outside src/core and src/gui'
  'src/core/model/X.cpp|#include "core/A.h"|include outside a folder of its layer'
  'src/core/model/X.cpp|// #include <gui/app/F.h>|'
  'src/gui/app/X.cpp|#include <gui/widgets/W.h>|'
  'src/core/group/X.cpp|#include <core/model/A.h>|'
)

make_tree
if ! out=$("$script" "$work" 2>&1); then
  echo "FAIL: the sound tree is refused: $out"
  failures=$((failures + 1))
fi
for c in "${cases[@]}"; do
  IFS='|' read -r file line expected <<<"$c"
  make_tree
  printf '%s\n' "$line" >"$work/$file"
  out=$("$script" "$work" 2>&1)
  code=$?
  if [ -z "$expected" ]; then
    [ $code -eq 0 ] || { echo "FAIL: [$line] in $file refused: $out"; failures=$((failures + 1)); }
  elif [ $code -eq 0 ] || [[ $out != *"$expected"* ]]; then
    echo "FAIL: [$line] in $file: expected a refusal naming \"$expected\", got ($code): $out"
    failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ] && echo "-- include check: ${#cases[@]} cases and the sound tree as expected"
exit $((failures > 0))
