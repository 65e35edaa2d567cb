#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) and checks the installed
# tree: the files a desktop expects, valid desktop entries and metainfo, and
# both programs working from there with an empty home.
#   check-installed-tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "installed tree: $*"; exit 1; }

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr > "$stage/install.log" ||
  { cat "$stage/install.log"; fail "cmake --install failed"; }
root="$stage/root/usr"

for app in org.glossmill.Glossmere org.glossmill.Glossmill; do
  for file in "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml" \
              "share/icons/hicolor/scalable/apps/$app.svg" \
              "share/icons/hicolor/48x48/apps/$app.png" "share/icons/hicolor/256x256/apps/$app.png"; do
    [ -s "$root/$file" ] || fail "$file missing"
  done
done
for file in bin/glossmere bin/glossmill share/man/man1/glossmere.1 share/man/man1/glossmill.1 \
            share/glossmere/help/Glossmere_English.html share/glossmere/help/Glossmere_Russian.html \
            share/glossmere/help/help.css share/doc/glossmere/source-format.md; do
  [ -s "$root/$file" ] || fail "$file missing"
done
library=$(find "$root/lib" -name libRadixo.so)
[ -n "$library" ] || fail "libRadixo.so missing"
for language in RusMorph EngMorph GerMorph; do
  [ -s "$(dirname "$library")/$language/morph.conf" ] || fail "$language/morph.conf missing"
done
ls "$root"/share/glossmere/Dictionaries/*.gmd > /dev/null || fail "no sample dictionaries"
[ ! -e "$root/bin/portable" ] || fail "the installed programs must not be portable"
if readelf -d "$root/bin/glossmere" "$root/bin/glossmill" "$library" | grep -q "$build"; then
  fail "a program refers to the build tree"
fi

desktop-file-validate "$root"/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/share/metainfo/*.xml > "$stage/appstream.log" ||
  { cat "$stage/appstream.log"; fail "appstreamcli validate"; }

# An empty home: nothing of the developer's own settings leaks in.
export HOME="$stage/home" XDG_CONFIG_HOME="$stage/home/config" XDG_DATA_HOME="$stage/home/data"
export XDG_DATA_DIRS="$root/share"
mkdir -p "$HOME"
"$root/bin/glossmere" --version | grep -q '^glossmere ' || fail "glossmere --version"
"$root/bin/glossmill" --version | grep -q '^glossmill ' || fail "glossmill --version"

# The first start makes the user's folders; the shipped dictionaries are
# found through the program's own folder even when XDG_DATA_DIRS names none.
XDG_DATA_DIRS="$stage/none" "$root/bin/glossmere" --search apple > "$stage/search.log" 2>&1 ||
  { cat "$stage/search.log"; fail "glossmere --search apple in the shipped dictionaries"; }
[ -d "$XDG_CONFIG_HOME/glossmere" ] || fail "no $XDG_CONFIG_HOME/glossmere"
[ -d "$XDG_DATA_HOME/glossmere/Dictionaries" ] || fail "no $XDG_DATA_HOME/glossmere/Dictionaries"

# A compile into the user's folder and a search there that needs the
# installed lemmatiser: "houses" is found through its lemma.
"$root/bin/glossmill" --compile "$source/data/en-ru-basic.txt" --no --quiet > "$stage/compile.log" 2>&1 ||
  { cat "$stage/compile.log"; fail "glossmill --compile"; }
[ -s "$XDG_DATA_HOME/glossmere/Dictionaries/en-ru-basic.gmd" ] || fail "compiled dictionary missing"
"$root/bin/glossmere" --search houses > "$stage/search.log" 2>&1 ||
  { cat "$stage/search.log"; fail "glossmere --search houses"; }
grep -q 'house' "$stage/search.log" || { cat "$stage/search.log"; fail "no article for houses"; }
echo "installed tree: ok"
