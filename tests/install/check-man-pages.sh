#!/usr/bin/env bash
# Every option a program's --help names must be described in its man page.
#   check-man-pages.sh MAN_FOLDER PROGRAM...
set -euo pipefail
man_folder=$1
shift
status=0
for program in "$@"; do
  name=$(basename "$program")
  page="$man_folder/$name.1"
  [ -f "$page" ] || { echo "$name: no man page $page"; status=1; continue; }
  options=$("$program" --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  [ -n "$options" ] || { echo "$name: --help names no option"; status=1; }
  for option in $options; do
    # roff writes every '-' of an option as '\-'.
    if ! grep -qF -- "${option//-/\\-}" "$page"; then
      echo "$name: option $option of --help is missing from $page"
      status=1
    fi
  done
done
exit $status
