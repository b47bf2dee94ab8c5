#!/bin/sh
# The Debian package unpacked into a scratch root and used: the splash, the raw score window, F1's
# help document, File > Exit and its saved settings, velmora-cli and its manual page.
#   installed_program.sh PACKAGE_DIR SCRATCH_DIR
set -eu
package=$(ls "$1"/velmora_*.deb | head -n 1)
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/root" "$scratch/bin" "$scratch/home"
dpkg-deb -x "$package" "$scratch/root"

# The desktop's document opener, replaced by one that notes what it was asked to open.
cat > "$scratch/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$@" >> "$scratch/opened"
OPENER
chmod +x "$scratch/bin/xdg-open"

export PATH="$scratch/bin:$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config"
export XDG_RUNTIME_DIR="$scratch/home/runtime" QT_QPA_PLATFORM=xcb
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*"; exit 1; }

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; exit 1; }
    # Asked again and again rather than with --sync: a window that goes while xdotool looks at it
    # (the splash) is an X error that ends the search.
    shown() { for i in $(seq 100); do xdotool search --onlyvisible "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done; return 1; }
    "$0/root/usr/bin/velmora" & pid=$!
    shown --pid $pid || fail "no splash window"
    sleep 0.5
    xdotool key Return
    shown --name "^Velmora\$" || fail "no raw score window"
    sleep 0.5
    xdotool key F1
    for i in $(seq 50); do [ -s "$0/opened" ] && break; sleep 0.1; done
    xdotool key alt+f
    sleep 0.3
    xdotool key x
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && fail "the program did not end on File > Exit"
    exit 0
' "$scratch"

grep -q "/usr/share/velmora/Velmora Help.pdf" "$scratch/opened" 2>/dev/null || fail "F1 did not open the installed help document"
[ "$("$scratch/root/usr/bin/velmora-cli" convert 1.96 --from z --to percentile --labels none)" = "97.5" ] || fail "velmora-cli does not convert"
[ -f "$scratch/root/usr/share/man/man1/velmora-cli.1" ] || fail "no velmora-cli manual page"
grep -q "^View=1" "$XDG_CONFIG_HOME/Velmora/Velmora.conf" || fail "the settings were not saved at exit"
echo "installed program: splash, raw score window, help document and saved settings as expected"
