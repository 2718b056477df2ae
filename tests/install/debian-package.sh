#!/usr/bin/env bash
# Makes the Debian package from a build (cpack, into a folder of its own) and
# checks the files it holds and the packages it depends on. Skipped (exit 77)
# where there is no dpkg-deb.
#   debian-package.sh <build folder>
set -euo pipefail

build=$1
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb here: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
package=$work/parta_0.1_$(dpkg --print-architecture).deb
[[ -f "$package" ]] || fail "no $package; cpack made: $(ls "$work")"

expected="./usr/bin/parta
./usr/share/applications/org.parta.Parta.desktop
./usr/share/doc/parta/copyright
./usr/share/icons/hicolor/128x128/apps/org.parta.Parta.png
./usr/share/icons/hicolor/16x16/apps/org.parta.Parta.png
./usr/share/icons/hicolor/22x22/apps/org.parta.Parta.png
./usr/share/icons/hicolor/24x24/apps/org.parta.Parta.png
./usr/share/icons/hicolor/256x256/apps/org.parta.Parta.png
./usr/share/icons/hicolor/32x32/apps/org.parta.Parta.png
./usr/share/icons/hicolor/48x48/apps/org.parta.Parta.png
./usr/share/icons/hicolor/64x64/apps/org.parta.Parta.png
./usr/share/icons/hicolor/scalable/apps/org.parta.Parta.svg
./usr/share/man/man1/parta.1
./usr/share/metainfo/org.parta.Parta.metainfo.xml"
files=$(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | LC_ALL=C sort)
diff -u <(echo "$expected") <(echo "$files") || fail "the package's files differ from the list above"

[[ $(dpkg-deb -f "$package" Package) == parta ]] || fail "the package is not named parta"
[[ $(dpkg-deb -f "$package" Section) == education ]] || fail "the package is not in the section education"

# Qt's libraries as dpkg-shlibdeps finds them, and the fonts the windows are drawn in.
depends=$(dpkg-deb -f "$package" Depends)
names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
  fonts-liberation fonts-liberation2 fonts-dejavu-core fonts-paratype fonts-ebgaramond fonts-urw-base35; do
  grep -qxF "$needed" <<<"$names" || fail "the package does not depend on $needed: $depends"
done

echo "The package holds the program's files and depends on: $depends"
