#!/usr/bin/env bash
# Every text of the sources is in the translations and every translation is finished and
# keeps its source's numbered arguments: lupdate brings copies of the repository's .ts
# files up to date with the sources (nothing may be new), then the catalogue maker checks
# them (nothing unfinished, no argument lost, the plural forms of each language).
# Usage: check-translations.sh LUPDATE CATALOGUE-MAKER REPOSITORY [LUPDATE OPTION...]
set -euo pipefail
lupdate=$1 checker=$2 root=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for language in en ru; do
  cp "$root/translations/tessaly_$language.ts" "$work/"
  extra=(-target-language en_US)
  [ "$language" = ru ] && extra=(-pluralonly -target-language ru_RU)
  "$lupdate" "$@" "${extra[@]}" "$root/src/core" "$root/src/gui" "$root/src/cli" -ts "$work/tessaly_$language.ts" \
    >"$work/$language.log" 2>&1 || { cat "$work/$language.log" >&2; exit 1; }
  # (The Russian file keeps the plural texts only; the check below finds those missing.)
  new=$(sed -n 's/.*Found [0-9]* source text(s) (\([0-9]*\) new.*/\1/p' "$work/$language.log")
  if [ "$language" = en ] && [ "${new:-x}" != 0 ]; then
    echo "translations/tessaly_$language.ts lacks ${new:-some} text(s) of the sources:" \
      "cmake --build build --target update_translations, then translate them" >&2
    status=1
  fi
done
"$checker" --check "$work/tessaly_en.ts" "$work/tessaly_ru.ts" || status=1
exit $status
