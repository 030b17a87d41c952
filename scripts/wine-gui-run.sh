#!/usr/bin/env bash
# Runs a Windows GUI program (or a test driver that starts one) under Wine in a 1024x768 virtual
# desktop on its own Xvfb display; the exit code is the program's. GUI runs never overlap: they
# share one prefix (build/wineprefix-gui) whose wineserver is ended after each run.
# QUILLORA_USE_DISPLAY=1 uses $DISPLAY instead of a private Xvfb.
set -uo pipefail
export QUILLORA_WINEPREFIX=${QUILLORA_GUI_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix-gui}
source "$(dirname "$0")/wine-prefix.sh"
quillora_prepare_prefix --virtual-desktop

exec 8>"$WINEPREFIX.run-lock"
flock 8

xvfb_pid=
finish() {
    wineserver -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap finish EXIT

if [ -z "${QUILLORA_USE_DISPLAY:-}" ]; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
fi

wine "$@"
