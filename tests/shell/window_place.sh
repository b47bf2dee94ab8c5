#!/bin/sh
# The module window under a window manager (openbox): it keeps its place through ten switches and
# three restarts, and a stored place off every screen is brought back onto it.
#   window_place.sh VELMORA SCRATCH_DIR
set -eu
velmora=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/config/Velmora" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
conf="$scratch/config/Velmora/Velmora.conf"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    velmora=$0 conf=$1
    fail() { echo "FAIL: $*"; exit 1; }
    openbox >/dev/null 2>&1 & wm=$!
    sleep 1
    # Where the window is, as the X server has it.
    where() { xdotool getwindowgeometry "$(xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)" | sed -n "s/ *Position: \([-0-9]*,[-0-9]*\).*/\1/p"; }
    stored() { grep -E "^(Left|Top)%20Coordinates" "$conf" | sort | tr "\n" " "; }
    # The window where it was, once a busy machine has finished showing it (at most 5 s).
    settled() { for i in $(seq 50); do [ "$(where)" = "$1" ] && return 0; sleep 0.1; done; return 1; }
    run() {  # starts the program, returns once its module window shows
        "$velmora" & pid=$!
        timeout 20 xdotool search --sync --onlyvisible --pid $pid >/dev/null
        sleep 0.5; xdotool key Return; sleep 1
    }
    finish() { xdotool key alt+f; sleep 0.3; xdotool key x; for i in $(seq 50); do kill -0 $pid 2>/dev/null || return 0; sleep 0.1; done; fail "no exit"; }

    printf "[Parameters]\nView=1\nLeft%%20Coordinates=1500\nTop%%20Coordinates=1500\n" > "$conf"
    before=$(stored)
    run; first=$(where)
    # Where it comes to rest once the window manager has framed it.
    for i in $(seq 20); do sleep 0.25; [ "$(where)" = "$first" ] && break; first=$(where); done
    for restart in 1 2 3; do
        for i in 1 2 3 4 5; do xdotool key ctrl+s; sleep 0.3; xdotool key ctrl+r; sleep 0.3; done
        settled "$first" || fail "after ten switches the window is at $(where), not $first"
        finish
        [ "$(stored)" = "$before" ] || fail "restart $restart stored $(stored), not $before"
        [ $restart = 3 ] || { run; settled "$first" || fail "restart $restart shows the window at $(where), not $first"; }
    done

    # A second monitor since removed: far to the right.
    printf "[Parameters]\nView=1\nLeft%%20Coordinates=30000\nTop%%20Coordinates=1500\n" > "$conf"
    run; x=${first%%,*}; x=$(where); x=${x%%,*}
    [ "$x" -lt 1280 ] || fail "a window stored off the screen shows at x $x"
    finish
    kill $wm
' "$velmora" "$conf"
echo "window place: kept through switches and restarts, brought back onto the screen"
