#!/usr/bin/env bash
# The language packs carry every window text of both programs' sources:
# lupdate run over the sources finds no text a pack leaves untranslated.
#   check-language-packs.sh SOURCE_DIR LUPDATE
set -euo pipefail
source=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for pack in "$source"/translations/*.ts; do
  cp "$pack" "$work/pack.ts"
  (cd "$source" && "$lupdate" -silent -locations none shell compilerapp ui -ts "$work/pack.ts")
  if grep -q 'type="unfinished"' "$work/pack.ts"; then
    grep -B3 'type="unfinished"' "$work/pack.ts"
    echo "language packs: $(basename "$pack") lacks the texts above"
    status=1
  fi
done
exit $status
