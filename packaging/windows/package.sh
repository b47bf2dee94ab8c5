#!/bin/sh
# make package-windows: velmora-VERSION-setup.exe, NSIS's setup program for what the Windows build installs.
#   package.sh WINDOWS_BUILD
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
stage="$build/setup-files"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" --strip >/dev/null
# The uninstaller's list: each file, then each folder, deepest first.
list="$build/uninstall-list.nsh"
(cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
 cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$list"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DUNINSTALL_LIST="$list" \
  -DOUTFILE="$build/velmora-$version-setup.exe" "$here/velmora.nsi"
echo "$build/velmora-$version-setup.exe"
