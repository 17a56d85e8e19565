#!/usr/bin/env bash
# The source files (src/, tests aside) that know the fixed grid of the layered shape,
# 9 positions x 10 levels: they name its limits (MaxElementsPerLevel, MaxLevels), its
# storage (TElementGridOf), its address (CElementSlot), or hold an array of 9.
# Prints each file, then the count.
# Usage: grid-files.sh [REVISION]  (a git revision; the working tree by default)
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='\b(MaxElementsPerLevel|MaxLevels|TElementGridOf|CElementSlot)\b|\[9\]'
if [[ $# -gt 0 ]]; then
  files=$(git grep -lE "$pattern" "$1" -- src | sed "s|^$1:||")
else
  files=$(grep -rlE "$pattern" src | sort)
fi
printf '%s\n' "$files"
printf '%s files\n' "$(printf '%s\n' "$files" | grep -c .)"
