#!/bin/sh
# make test-windows: the whole suite built for Windows, under Wine with the offscreen platform, in English
# and German regional settings as ctest runs it on Linux; then tst_cli's rows through velmora-cli.exe, and
# every CSV file the suites keep through velmora-cli here and velmora-cli.exe there, byte for byte.
#   run.sh WINDOWS_BUILD LINUX_BUILD
set -eu
tests=$(cd "$(dirname "$0")/.." && pwd)
windows=$(cd "$1" && pwd)
linux=$(cd "$2" && pwd)
qtbin=$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=[^;]*;//p' "$windows/CMakeCache.txt")
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
template="$windows/wine-template"
if [ ! -f "$template/user.reg" ]; then
  rm -rf "$template"
  WINEPREFIX="$template" WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  WINEPREFIX="$template" $wineserver -w
fi
# The offscreen platform draws with the fonts in QT_QPA_FONTDIR. Liberation Sans alone, Arial's metrics,
# stands in for Arial as the program asks, and for every other font.
fonts="$windows/test-fonts"
mkdir -p "$fonts"
ln -sf /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf "$fonts/"
export VELMORA_WINE_TEMPLATE="$template" QT_QPA_FONTDIR="$fonts"
rm -rf "$windows/test-home"

# tst_cli gives velmora-cli its norm sets through XDG_CONFIG_HOME, which Windows does not read: its rows run below.
(cd "$windows" && ctest -j2 --output-on-failure -E '^tst_cli_')

home="$windows/test-home/tst_program_en_US/.wine"
WINEPREFIX="$home" $wineserver -w
grep -q '^\[Software\\\\Velmora\\\\Velmora\\\\Parameters\]' "$home/user.reg" ||
  { echo "FAIL: no settings under HKEY_CURRENT_USER\\Software\\Velmora\\Velmora\\Parameters"; exit 1; }

cmake --build "$linux" --target tst_cli_wine velmora-cli
export WINEPREFIX="$windows/test-home/cli/.wine" VELMORA_QT_BIN="$qtbin" VELMORA_CLI_EXE="$windows/velmora-cli.exe"
"$tests/windows/wine.sh" "$qtbin" "$VELMORA_CLI_EXE" --version >/dev/null
$wineserver -w
$wineserver -p  # kept running between the many short runs below
trap '$wineserver -k' EXIT
for locale in en_US.UTF-8 de_DE.UTF-8; do
  echo "tst_cli through velmora-cli.exe, $locale"
  LC_ALL=$locale LANG=$locale "$linux/tests/tst_cli_wine"
done

out="$windows/test-home/compared"
mkdir -p "$out"
passed=0 failed=0
for file in "$tests"/cli/fixtures/*.csv "$tests"/fuzz/corpus/csv/* "$tests"/stats/fixtures/*.csv "$tests"/change/fixtures/*.csv; do
  for command in score convert age interval change; do
    XDG_CONFIG_HOME="$tests/cli/fixtures/config" LC_ALL=en_US.UTF-8 "$linux/src/velmora-cli" $command --csv "$file" \
      >"$out/linux.out" 2>"$out/linux.err" && echo 0 >"$out/linux.status" || echo $? >"$out/linux.status"
    XDG_CONFIG_HOME="$tests/cli/fixtures/config" LC_ALL=de_DE.UTF-8 "$tests/windows/velmora-cli.sh" $command --csv "$file" \
      >"$out/windows.out" 2>"$out/windows.err" && echo 0 >"$out/windows.status" || echo $? >"$out/windows.status"
    if cmp -s "$out/linux.out" "$out/windows.out" && cmp -s "$out/linux.err" "$out/windows.err" &&
       cmp -s "$out/linux.status" "$out/windows.status"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FAIL: velmora-cli $command --csv $file differs on Windows:"
      for part in out err status; do diff "$out/linux.$part" "$out/windows.$part" | head -n 10; done
    fi
  done
done
echo "velmora-cli.exe: $passed passed, $failed failed"
[ $failed -eq 0 ]
