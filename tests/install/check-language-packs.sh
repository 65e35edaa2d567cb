#!/usr/bin/env bash
# The language packs carry every window text of their program's sources:
# lupdate run over the sources finds no text the pack leaves untranslated.
#   check-language-packs.sh SOURCE_DIR LUPDATE
set -euo pipefail
source=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
check() {  # pack.ts source folders...
  local pack=$1
  shift
  cp "$source/translations/$pack" "$work/pack.ts"
  (cd "$source" && "$lupdate" -silent -locations none "$@" -ts "$work/pack.ts")
  if grep -q 'type="unfinished"' "$work/pack.ts"; then
    grep -B3 'type="unfinished"' "$work/pack.ts"
    echo "language packs: $pack lacks the texts above"
    status=1
  fi
}
check GlossmereLang/Russian.ts shell ui
check GlossmillLang/Russian.ts compilerapp ui
exit $status
