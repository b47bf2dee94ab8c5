#!/bin/sh
# Runs a Windows test program under Wine as ctest runs the Linux one:  wine.sh QT_BIN PROGRAM [ARGUMENTS]
# Each test's HOME gets a Wine prefix of its own (its registry and AppData), hard-linked from the
# ready one in VELMORA_WINE_TEMPLATE, since making one takes seconds.
set -eu
qtbin=$1
shift
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}" WINEDEBUG="${WINEDEBUG:--all}"
if [ ! -d "$WINEPREFIX" ] && [ -n "${VELMORA_WINE_TEMPLATE:-}" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  cp -al "$VELMORA_WINE_TEMPLATE" "$WINEPREFIX"
  # Wine rewrites a registry file in place when it has other links: these are copied.
  for hive in "$WINEPREFIX"/*.reg; do cp --remove-destination "$VELMORA_WINE_TEMPLATE/${hive##*/}" "$hive"; done
fi
# Qt's and MinGW's DLLs where they lie; an empty QT_BIN for an installed program, which brings its own.
if [ -n "$qtbin" ]; then
  gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  export WINEPATH="Z:$qtbin;Z:$gcc;Z:/usr/x86_64-w64-mingw32/lib"
fi
# Qt's messages and QtTest's report on standard error and output, as on Linux, not to a debugger.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps Linux's QT_ variables from Windows programs, and hands them WINEQT_X as QT_X.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  eval "export WINE$name=\"\$$name\""
done
exec /usr/lib/wine/wine64 "$@"
