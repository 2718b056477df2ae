#!/usr/bin/env bash
# Installs a build into a staging folder and checks that every file lands where
# the desktop's conventions put it (installed-files.txt lists them), that each
# icon has its folder's size, and that the desktop entry and the AppStream data
# pass their validators.
#   installed-files.sh <build folder>
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null
cd "$stage/usr"

installed=$(find . -type f -printf '%P\n' | LC_ALL=C sort)
diff -u "$here/installed-files.txt" <(echo "$installed") || fail "the installed files differ from installed-files.txt"
[[ -x bin/parta ]] || fail "bin/parta is not executable"

# A PNG's width and height are the two big-endian words after its signature and chunk header.
for png in share/icons/hicolor/*x*/apps/org.parta.Parta.png; do
  folder=${png#share/icons/hicolor/}
  size=${folder%%x*}
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [[ "$width" == "$size" && "$height" == "$size" ]] || fail "$png is ${width}x${height}"
done

desktop=share/applications/org.parta.Parta.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# The menu starts the installed command by name and shows the installed icon.
for line in 'Exec=parta' 'Icon=org.parta.Parta' 'Name=Парта' 'Categories=Education;Languages;' \
  'Comment[ru]=Упражнения по русскому языку для учеников 7 и 8 классов'; do
  grep -qxF "$line" "$desktop" || fail "$desktop has no line $line"
done

appstreamcli validate --no-net share/metainfo/org.parta.Parta.metainfo.xml ||
  fail "appstreamcli rejects the AppStream data"

echo "The installed files are in place and valid."
