#!/bin/bash
# velmora-cli.exe under Wine in velmora-cli's place, for tst_cli built on Linux (make test-windows).
# The norm sets folder that tst_cli names in XDG_CONFIG_HOME becomes the user's Local AppData\Velmora,
# and the one message that names that file names it as on Linux; every other byte is velmora-cli.exe's.
#   WINEPREFIX: a ready Wine prefix (run.sh makes it); VELMORA_QT_BIN, VELMORA_CLI_EXE: as wine.sh takes them.
set -u
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local"
rm -rf "$appdata/Velmora"
[ -n "${XDG_CONFIG_HOME:-}" ] && ln -s "$XDG_CONFIG_HOME/Velmora" "$appdata/Velmora"
errors=$(mktemp)
"$(dirname "$0")/wine.sh" "$VELMORA_QT_BIN" "$VELMORA_CLI_EXE" "$@" 2>"$errors"
status=$?
sed "s|C:/users/$(id -un)/AppData/Local/Velmora/|${XDG_CONFIG_HOME:-}/Velmora/|g" "$errors" >&2
rm -f "$errors"
exit $status
