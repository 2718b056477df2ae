#!/usr/bin/env bash
# Makes the Debian package from a build (cpack, into a folder of its own) and
# checks the files it holds and the packages it depends on. Skipped (exit 77)
# where there is no dpkg-deb.
#   debian-package.sh <build folder>
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
command -v dpkg-deb >/dev/null || { echo "no dpkg-deb here: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
packages=("$work"/parta_*_"$(dpkg --print-architecture)".deb)
[[ -f "${packages[0]}" ]] || fail "no parta_<version>_<architecture>.deb; cpack made: $(ls "$work")"
package=${packages[0]}

# The files of an installation under /usr, as installed-files.txt lists them.
files=$(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort)
diff -u "$here/installed-files.txt" <(echo "$files") || fail "the package's files differ from installed-files.txt"

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
