#!/bin/sh
# make package-windows: the setup program installed silently under Wine in a new prefix; velmora-cli.exe
# run, and velmora.exe started on a virtual display, from the installed folder alone; then uninstalled:
# all it put there goes, while the user's settings and session stay.
#   setup.sh WINDOWS_BUILD
set -eu
build=$(cd "$1" && pwd)
setup=$(ls "$build"/velmora-*-setup.exe | head -n 1)
run="$(cd "$(dirname "$0")" && pwd)/wine.sh"
export HOME="$build/test-home/setup" VELMORA_WINE_TEMPLATE="$build/wine-template" WINEPREFIX="$build/test-home/setup/.wine"
rm -rf "$HOME"
wine() { "$run" "" "$@"; }
settled() { /usr/lib/wine/wineserver -w; }
fail() { echo "FAIL: $*"; /usr/lib/wine/wineserver -k 2>/dev/null; exit 1; }
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/Velmora"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
settings='HKCU\Software\Velmora\Velmora\Parameters'
session="$drive/users/$(id -un)/AppData/Roaming/Velmora/Velmora/session.json"

# What an earlier Velmora left: its settings and session.
wine reg add "$settings" /v View /d 2 /f >/dev/null
mkdir -p "$(dirname "$session")" && echo '{}' >"$session"

wine "$setup" /S || fail "the setup program failed"
settled
for file in velmora.exe velmora-cli.exe "Velmora Help.pdf" Qt6Core.dll Qt6Svg.dll libstdc++-6.dll libwinpthread-1.dll \
            platforms/qwindows.dll imageformats/qjpeg.dll translations/qtbase_de.qm Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file was not installed"
done
[ -f "$menu" ] || fail "no Start menu entry"
wine reg query "$uninstall" /v UninstallString >/dev/null || fail "Windows does not list Velmora to uninstall"

printed=$(wine "$folder/velmora-cli.exe" convert 1.96 --from z --to percentile --labels none) || fail "velmora-cli.exe failed"
[ "$printed" = "97.5" ] || fail "the installed velmora-cli.exe printed \"$printed\""
# The program, with Windows' own platform plugin, shows its splash on a virtual display; Wine's session
# from the runs above, begun without a display, ends first.
settled
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  "$0" "" "$1" 2>"$HOME/velmora.log" & timeout 30 xdotool search --sync --onlyvisible --class velmora.exe >/dev/null; found=$?
  /usr/lib/wine/wineserver -k; exit $found' "$run" "$folder/velmora.exe" || fail "the installed velmora.exe showed no window"

wine "$folder/Uninstall.exe" /S || fail "the uninstaller failed"
settled
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . -mindepth 1 | head -n 5 | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the Start menu entry was left behind"
! wine reg query "$uninstall" >/dev/null 2>&1 || fail "Windows still lists Velmora to uninstall"
wine reg query "$settings" /v View >/dev/null || fail "the uninstaller removed the user's settings"
[ -f "$session" ] || fail "the uninstaller removed the user's session"
echo "setup: 1 passed, 0 failed"
