#!/bin/bash
# The window's command line: an unknown option is refused before any window, with or
# without a display; without a graphical session the window says so in one line.
# Usage: window_launch.sh <torvelix-exe> <source-dir>
set -u
exe=$1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect <status> <description> <command...>
    local want=$1 what=$2
    shift 2
    "$@" >"$work/out" 2>"$work/err" </dev/null
    local got=$?
    [ "$got" = "$want" ] || fail "$what: exit $got, expected $want: $(cat "$work/err")"
}

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
# A display that is named but not there: the option is refused before Qt looks for it.
with_display=(env -u QT_QPA_PLATFORM DISPLAY=:97 WAYLAND_DISPLAY=)
for run in no_display with_display; do
    declare -n prefix=$run
    expect 2 "--verison ($run)" "${prefix[@]}" "$exe" --verison
    [ "$(cat "$work/err")" = "torvelix: unknown option '--verison'" ] ||
        fail "--verison ($run) says: $(cat "$work/err")"
    [ -s "$work/out" ] && fail "--verison ($run) printed on standard output"
    expect 2 "-style without a value ($run)" "${prefix[@]}" "$exe" -style
    expect 2 "a Qt option, then an unknown one ($run)" \
        "${prefix[@]}" "$exe" -style Fusion --bogus
    grep -qx "torvelix: unknown option '--bogus'" "$work/err" || fail "--bogus after -style"
done

expect 1 "the window without a graphical session" "${no_display[@]}" "$exe"
[ "$(wc -l <"$work/err")" = 1 ] || fail "not one line: $(cat "$work/err")"
grep -q "графический сеанс" "$work/err" || fail "no Russian text: $(cat "$work/err")"
grep -q "graphical session" "$work/err" || fail "no English text: $(cat "$work/err")"
grep -q "torvelix calc" "$work/err" || fail "the subcommands are not named"
expect 1 "Qt's options, still no session" "${no_display[@]}" "$exe" -platform xcb -reverse
grep -q "graphical session" "$work/err" || fail "-platform xcb without a display"
exit $((failures > 0))
