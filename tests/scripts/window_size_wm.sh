#!/usr/bin/env bash
# Under a real window manager the window keeps one outer size: four starts, each
# left with Esc, store the same size in the settings file and show the same client
# size. Exits 77 (skipped) when Xvfb, openbox, xdotool or xwininfo is missing.
# Usage: window_size_wm.sh TORVELIX_EXE SOURCE_DIR
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib/require.sh"
require_command Xvfb openbox xdotool xwininfo iconv

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A private copy of the program: the settings file lies beside the executable.
cp "$exe" "$work/torvelix"
cp "$(dirname "$exe")"/torvelix_*.dat "$work/"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

setting() {
    iconv -f cp1251 -t utf-8 "$work/torvelix.ini" | tr -d '\r' | sed -n "s/^$1=//p"
}

sizes=()
for run in 1 2 3 4; do
    "$work/torvelix" >"$work/run$run.log" 2>&1 &
    app=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" --name Torvelix | head -n 1) ||
        fail "run $run: no window appeared"
    sleep 1.5 # the window manager frames the window; the program takes the frame into account
    client=$(xwininfo -id "$wid" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    xdotool windowactivate --sync "$wid" key Escape
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app" 2>/dev/null && fail "run $run: Esc did not end the program"
    wait "$app" || fail "run $run: the program exited with $?"
    stored="$(setting 'Ширина')x$(setting 'Высота')"
    echo "run $run: client $client, stored outer $stored"
    sizes+=("$client $stored")
done

[ "${sizes[0]#* }" = "560x450" ] || fail "the first run stored ${sizes[0]#* }, not the default 560x450"
for k in 1 2 3; do
    [ "${sizes[$k]}" = "${sizes[0]}" ] || fail "run $((k + 1)) differs: ${sizes[$k]} after ${sizes[0]}"
done
client=${sizes[0]% *}
[ "$client" != "560x450" ] || fail "the client area fills the whole outer size: no frame was taken off"
echo "ok: four runs keep the outer size 560x450 (client $client)"
