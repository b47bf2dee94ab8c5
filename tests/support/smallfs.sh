#!/bin/sh
# Runs a command on a small file system of its own, mounted at FOLDER: a tmpfs of KILOBYTES in a
# mount namespace of its own where the system allows one (as root, or in a user namespace), else the
# folder as it is with the shim library standing in for the size (a container may not mount).
# VELMORA_SMALL_FS=shim takes the shim even where a tmpfs could be mounted.
#   smallfs.sh FOLDER KILOBYTES SHIM COMMAND...
set -eu
folder=$1 kilobytes=$2 shim=$3
shift 3
rm -rf "$folder"
mkdir -p "$folder"
# The folders the test's environment names, made on the file system it runs on.
inside='mkdir -p "$1/config" "$1/data" && shift && exec "$@"'
if [ "${VELMORA_SMALL_FS:-}" != shim ]; then
    for how in "--mount" "--mount --map-root-user"; do
        # shellcheck disable=SC2086
        if unshare $how true 2>/dev/null; then
            echo "smallfs: a tmpfs of $kilobytes KB (unshare $how)"
            # shellcheck disable=SC2086
            exec unshare $how sh -c "mount -t tmpfs -o size=${kilobytes}k tmpfs \"\$1\" && $inside" sh "$folder" "$@"
        fi
    done
    echo "smallfs: no mount namespace here, the shim stands in for the file system"
fi
export VELMORA_SMALL_FS_DIR="$folder" VELMORA_SMALL_FS_KB="$kilobytes" LD_PRELOAD="$shim"
exec sh -c "$inside" sh "$folder" "$@"
