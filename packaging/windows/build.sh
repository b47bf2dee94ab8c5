#!/bin/sh
# Cross-builds velmora.exe and velmora-cli.exe with Debian's MinGW-w64 against a Qt for MinGW.
#   build.sh BUILD_DIR LINUX_BUILD_DIR [QT_MINGW]
# Without QT_MINGW, the Qt in ../shared/windows is unpacked into BUILD_DIR. The Linux build lends its
# helpdoc, which must run here, to make the manual. Boost.Math and CLI11 are Debian's headers; libcsv
# is built from Debian's source package.
set -eu
src=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
build=$(cd "$1" && pwd)
host=$(cd "$2" && pwd)
qt=${3:-}
if [ -z "$qt" ]; then
  tarball="$src/../shared/windows/qt-6.4.2-mingw-w64.tar.xz"
  [ -f "$tarball" ] || { echo "No Qt for MinGW: give QT_MINGW=/path/to/Qt/6.4.2/mingw_64 (see README)" >&2; exit 1; }
  qt="$build/qt-6.4.2-mingw-w64"
  if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "Unpacking $tarball"
    tar -C "$build" -xJf "$tarball"
  fi
fi
[ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || { echo "$qt is not a Qt for MinGW (no lib/cmake/Qt6)" >&2; exit 1; }

deps="$build/deps"
mkdir -p "$deps/include" "$deps/lib" "$deps/cmake"
# Header-only: seen through a folder of their own, since /usr/include also holds Linux's C library.
ln -sfn /usr/include/boost "$deps/include/boost"
ln -sfn /usr/include/CLI "$deps/include/CLI"
cat > "$deps/cmake/CLI11Config.cmake" <<CONFIG
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "$deps/include")
CONFIG
if [ ! -f "$deps/lib/libcsv.a" ]; then
  rm -rf "$deps/libcsv" && mkdir -p "$deps/libcsv"
  (cd "$deps/libcsv" && apt-get source -qq libcsv >/dev/null 2>&1 || apt-get source libcsv)
  source=$(find "$deps/libcsv" -mindepth 2 -maxdepth 2 -name libcsv.c | head -n 1)
  [ -n "$source" ] || { echo "apt-get source libcsv gave no libcsv.c" >&2; exit 1; }
  x86_64-w64-mingw32-gcc-posix -O2 -Wall -c "$source" -o "$deps/libcsv/libcsv.o"
  x86_64-w64-mingw32-ar rcs "$deps/lib/libcsv.a" "$deps/libcsv/libcsv.o"
  cp "$(dirname "$source")/csv.h" "$deps/include/csv.h"
fi

cmake -G Ninja -S "$src" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$src/cmake/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_INSTALL_BINDIR=. \
  -DBoost_INCLUDE_DIR="$deps/include" -DBoost_NO_BOOST_CMAKE=ON -DCLI11_DIR="$deps/cmake" \
  -DCSV_INCLUDE_DIR="$deps/include" -DCSV_LIBRARY="$deps/lib/libcsv.a" \
  -DVELMORA_HOST_HELPDOC="$host/tools/helpdoc" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$src/tests/windows/wine.sh;$qt/bin"
cmake --build "$build" -j "${JOBS:-2}"
