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
# And thousands of made-up rows of each kind, where a last-bit difference between the two systems' maths
# libraries would show in a printed digit.
awk -v out="$out" 'function u(lo, hi, places) { return sprintf("%." places "f", lo + rand() * (hi - lo)) }
  function pick(list,   n, a) { n = split(list, a, " "); return a[int(rand() * n) + 1] }
  function value(scale) { return u(lo[scale], hi[scale], pick("0 1 2 3")) }
  BEGIN { srand(7)
    split("percentile scaled standard t z", names, " "); split("0.1 1 40 10 -3.5", low, " "); split("99.9 19 160 90 3.5", high, " ")
    for (i in names) { lo[names[i]] = low[i]; hi[names[i]] = high[i] }
    print "raw,mean,sd,n,reverse,decimals" > out "/made-up-scores.csv"
    print "value,from,to,decimals" > out "/made-up-conversions.csv"
    print "score,scale,reliability,level,centre,decimals" > out "/made-up-intervals.csv"
    print "x1,x2,sd1,sd2,m1,m2,n,r,level,reverse" > out "/made-up-changes.csv"
    for (i = 0; i < 5000; i++) {
      mean = u(5, 120, pick("0 1 2")); sd = u(0.5, 25, pick("0 1 2"))
      print u(mean - 3 * sd, mean + 3 * sd, pick("0 1 2")) "," mean "," sd "," pick("_ 2 5 10 30 100") "," pick("no yes") "," \
            pick("_ 0 1 2 3") > out "/made-up-scores.csv"
      from = pick("percentile scaled standard t z")
      print value(from) "," from "," pick("percentile scaled standard t z") "," pick("_ 0 1 2 3") > out "/made-up-conversions.csv"
      scale = pick("scaled standard t z")
      print value(scale) "," scale "," u(0.5, 0.99, 2) "," pick("_ 90 95") "," pick("_ true false") "," pick("_ 0 1 2") \
            > out "/made-up-intervals.csv"
      print u(60, 140, 0) "," u(60, 140, 0) "," u(5, 20, 1) "," u(5, 20, 1) "," u(50, 110, 1) "," u(50, 110, 1) "," \
            pick("_ 20 50 200") "," u(0.5, 0.98, 2) "," pick("_ 90 95") "," pick("_ yes no") > out "/made-up-changes.csv" } }'
sed -i 's/_//g' "$out"/made-up-*.csv  # "_" stands for an empty field above
passed=0 failed=0
for file in "$tests"/cli/fixtures/*.csv "$tests"/fuzz/corpus/csv/* "$tests"/stats/fixtures/*.csv "$tests"/change/fixtures/*.csv \
            "$out"/made-up-*.csv; do
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
