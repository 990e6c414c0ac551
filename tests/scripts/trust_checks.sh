#!/bin/bash
# Output, input and data the user can trust: exit status when standard output or
# standard error cannot be written, bounded reading of hostile tables and --tt files,
# the checks of `check-tables`, the --tt file rules, file names that are not UTF-8,
# the three-strand tables and the notice of the shipped estimate tables.
# A case that cannot run here says why, and the script then ends with status 77
# (reported by CTest as skipped) unless another case failed.
# Usage: trust_checks.sh <torvelix-exe> <source-dir>
set -u
exe=$1
src=$2
. "$src/tests/scripts/lib/require.sh"
require_command python3 timeout mkfifo
work=$(mktemp -d)
trap "rm -rf \"$work\"" EXIT
failures=0
skips=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; skips=$((skips + 1)); }

# run <status> <description> <command...>: output in $work/out and $work/err.
run() {
    local want=$1 what=$2
    shift 2
    if declare -F "$1" >/dev/null; then
        "$@" >"$work/out" 2>"$work/err"
    else
        timeout 60 "$@" >"$work/out" 2>"$work/err"
    fi
    local got=$?
    if [ "$got" != "$want" ]; then
        fail "$what: exit $got, expected $want"
        head -c 2000 "$work/err"
        return 1
    fi
}
err_has() { grep -qF -- "$2" "$work/err" || { fail "$1: stderr lacks '$2'"; head -c 2000 "$work/err"; }; }
out_has() { grep -qF -- "$2" "$work/out" || { fail "$1: stdout lacks '$2'"; head -c 2000 "$work/out"; }; }

# A copy of the program with its own tables, which the cases may spoil.
prog="$work/prog/torvelix"
mkdir "$work/prog"
cp "$exe" "$prog"
fresh_tables() {
    for f in "$src"/data/*.dat; do
        rm -f "$work/prog/torvelix_$(basename "$f")"
        cp "$f" "$work/prog/torvelix_$(basename "$f")"
    done
}
fresh_tables
table() { echo "$work/prog/torvelix_$1.dat"; }

# --- Exit status when the output cannot be written ---------------------------------
if [ -w /dev/full ]; then
    "$exe" calc >/dev/full 2>"$work/err"
    [ $? = 1 ] || fail "calc > /dev/full does not end with exit 1"
    err_has "calc > /dev/full" "cannot write standard output"
    "$exe" --help >/dev/full 2>/dev/null
    [ $? = 1 ] || fail "--help > /dev/full does not end with exit 1"
    # check-tables succeeds and names the estimate tables on standard error.
    "$exe" check-tables >/dev/null 2>/dev/full
    [ $? = 1 ] || fail "check-tables 2> /dev/full does not end with exit 1"
else
    skip "no writable /dev/full: the full-disk cases cannot run"
fi
# A pipe whose reading end is closed before the program writes.
status=$(python3 -c '
import os, subprocess, sys
r, w = os.pipe()
os.close(r)
p = subprocess.run([sys.argv[1], "calc"], stdout=w, stderr=subprocess.PIPE)
print(p.returncode, "cannot write standard output" in p.stderr.decode())
' "$exe")
[ "$status" = "1 True" ] || fail "calc into a closed pipe: '$status', expected exit 1 with a message"

# --- Bounded reading ---------------------------------------------------------------
# A spring table that is an endless line (a link to /dev/zero) is not a table.
ln -sf /dev/zero "$(table 13766)"
run 1 "spring table linked to /dev/zero" "$prog" calc
err_has "/dev/zero table" "Не могу найти таблицу $(table 13766)"
fresh_tables
# A line of 5000 bytes is a line whose fields do not convert.
{ head -c 5000 /dev/zero | tr '\0' '1'; printf '\r\n'; cat "$src/data/13766.dat"; } >"$(table 13766)"
run 1 "an overlong first line" "$prog" calc
err_has "an overlong first line" "Неверное число '######'"
run 1 "check-tables on an overlong line" "$prog" check-tables
out_has "check-tables, overlong line" "$(table 13766):1: the line is longer than 4096 bytes"
fresh_tables
# A --tt file that never ends, and one that never starts (a FIFO nobody writes): only
# regular files are read, and neither holds the program.
run 2 "--tt /dev/zero" "$exe" draw --view broken --ends 1 --D0 20 --d 2 --t 6 --n 5 \
    --tt /dev/zero --tt-corner 0,0 -o "$work/tt.svg"
err_has "--tt /dev/zero" "/dev/zero is not a regular file"
mkfifo "$work/tt-fifo"
run 2 "--tt naming a FIFO" "$exe" draw --view broken --ends 1 --D0 20 --d 2 --t 6 --n 5 \
    --tt "$work/tt-fifo" --tt-corner 0,0 -o "$work/tt.svg"
err_has "--tt FIFO" "$work/tt-fifo is not a regular file"
rm -f "$work/tt-fifo" "$work/tt.svg"

# --- check-tables: faults the calculation would meet -------------------------------
: >"$(table 13767)"                                            # empty spring table
sed 's/\r$//' "$src/data/13768.dat" | tr '\n' '\r' >"$(table 13768)" # CR-only line ends
head -n 1 "$src/data/9389.dat" >"$(table 9389)"                # heading only
# Row 1 of a single-strand and of a three-strand table with a free pitch far over D.
row() { printf '%6s %5s %4s %7s %5s\r\n' "$@"; }
row 100 1.00 9.0 2.479 40.3 >"$(table 13774)"
row 10.0 1.00 9.0 1.000 10.0 >"$(table 13770)"
run 1 "check-tables on broken tables" "$prog" check-tables
out_has "empty table" "$(table 13767): the table is empty: it holds no spring"
out_has "CR-only table" "$(table 13768):1: a carriage return that does not end the line"
out_has "CR-only table" "$(table 13768):1: the line is longer than 4096 bytes"
out_has "heading only" "$(table 9389): the table holds no wire diameter"
# (1.00 x 1.029 + 40.3) / 8 = 5.16; (1.00 + 10.0) / 8 = 1.375.
out_has "three-strand pitch" "$(table 13774):1: free pitch d1 * 1.029 + s3' = 41.329 is 5.16612"
out_has "single-strand pitch" "$(table 13770):1: free pitch d + s3' = 11 is 1.375"
# One line per fault: no line holds two reports.
if grep -v '^/' "$work/out" | grep -q .; then fail "check-tables output has a line that is not a fault"; fi
fresh_tables

# --- --tt files --------------------------------------------------------------------
draw_tt() {  # draw_tt <file>: the view with a break and the requirements into tt.svg
    timeout 60 "$exe" draw --view broken --ends 1 --D0 20 --d 2 --t 6 --n 5 --tt "$1" \
        --tt-corner 0,-40 -o "$work/tt.svg"
}
mkdir "$work/folder"
run 2 "--tt naming a folder" draw_tt "$work/folder"
err_has "--tt folder" "is a folder"
ln -s "$work/nowhere" "$work/dangling"
run 2 "--tt naming an unreadable file" draw_tt "$work/dangling"
err_has "--tt unreadable" "cannot read $work/dangling"
# "Пружина" in Windows-1251 is read as such and drawn as UTF-8.
printf 'items=1\ne6Num=\xcf\xf0\xf3\xe6\xe8\xed\xe0\n' >"$work/cp1251.txt"
run 0 "--tt in Windows-1251" draw_tt "$work/cp1251.txt"
grep -qF "Пружина номер Пружина" "$work/tt.svg" || fail "--tt in Windows-1251: text not drawn as UTF-8"
# Not UTF-8, and 0x98 is no Windows-1251 character.
printf 'items=1\ne6Num=\x98\xff\n' >"$work/binary.txt"
run 2 "--tt neither UTF-8 nor Windows-1251" draw_tt "$work/binary.txt"
err_has "--tt binary" "is neither UTF-8 nor Windows-1251 text"
printf 'items=1\ne6Num=a\xef\xbf\xbfb\n' >"$work/nonchar.txt"           # U+FFFF
run 2 "--tt holding U+FFFF" draw_tt "$work/nonchar.txt"
err_has "--tt U+FFFF" "holds U+FFFF, which is not a character"

# --- Messages stay UTF-8 -----------------------------------------------------------
bad=$(printf "$work/bad\xffname.txt")
run 2 "--tt naming a file that is not UTF-8" draw_tt "$bad"
err_has "escaped file name" "cannot read $work/bad\\xFFname.txt"
python3 -c 'import sys; open(sys.argv[1], "rb").read().decode("utf-8")' "$work/err" ||
    fail "stderr is not UTF-8"

# --- Three-strand tables -----------------------------------------------------------
# The example inputs of data/README.md for item 8: every candidate has a few working
# coils (the old tables gave 0.5 for all).
run 0 "item 8 example" "$exe" calc --class 8 --kind three --F1 50 --F2 200 --h 10 --vmax 1 \
    --dmin 8 --dmax 10
coils=$(sed -n 's/^Число рабочих витков *: *//p' "$work/out")
[ -n "$coils" ] || fail "item 8 example lists no working coils"
for n in $coils; do
    awk -v n="$n" 'BEGIN { exit !(n >= 3 && n <= 20) }' || fail "item 8 example: $n working coils"
done

# --- The notice of the shipped estimate tables -------------------------------------
run 0 "check-tables on the shipped tables" "$prog" check-tables
[ "$(grep -c 'the computed estimate shipped with the program' "$work/err")" = 11 ] ||
    fail "check-tables does not name the eleven shipped estimate spring tables"
# A table keyed in anew (here: one value changed) is no longer named.
sed -i '1s/^\(.\{26\}\).\{5\}/\10.680/' "$(table 13766)"
run 0 "check-tables after replacing one table" "$prog" check-tables
grep -q "torvelix_13766.dat: the computed estimate" "$work/err" &&
    fail "a replaced table is still named as the shipped estimate"
[ "$(grep -c 'the computed estimate' "$work/err")" = 10 ] || fail "ten tables should be named"
fresh_tables

# --- The file writer behind `draw -o` and `calc --docx` ----------------------------
# write_<kind> <target>: the command that writes the file (a program, so that runuser
# can run it).
write_dxf=(timeout 60 "$exe" draw --view full --ends 1 --D0 20 --d 2 --t 6 --n 5 -o)
write_docx=(timeout 60 "$prog" calc --report-only --docx)
# as_nobody <command...>: as an unprivileged user (root judges no permission bits).
if [ "$(id -u)" = 0 ]; then
    if command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
        nobody_ok=1
    else
        nobody_ok=0
    fi
    as_nobody() { runuser -u nobody -- "$@"; }
else
    nobody_ok=1
    as_nobody() { "$@"; }
fi
chmod 755 "$work" "$work/prog"
mode() { stat -c %a "$1"; }
for kind in dxf docx; do
    w="$work/w_$kind"
    mkdir "$w"
    t="$w/out.$kind"
    declare -n write="write_$kind"
    # A symbolic link planted at the old, predictable temporary name is not followed.
    echo victim >"$w/victim"
    ln -s "$w/victim" "$t.tmp"
    run 0 "$kind: new file" "${write[@]}" "$t"
    [ "$(cat "$w/victim")" = victim ] || fail "$kind: the planted link's target was written"
    [ -L "$t.tmp" ] || fail "$kind: the planted link is gone"
    rm "$t.tmp"
    # No temporary file is left.
    [ "$(ls -A "$w")" = "out.$kind"$'\n'"victim" ] || fail "$kind: files left: $(ls -A "$w" | tr '\n' ' ')"
    # An existing file keeps its permission bits.
    chmod 600 "$t"
    run 0 "$kind: private file rewritten" "${write[@]}" "$t"
    [ "$(mode "$t")" = 600 ] || fail "$kind: permission bits 600 became $(mode "$t")"
    # A read-only file is refused (also for root), named, and left as it was.
    echo old >"$t"
    chmod 444 "$t"
    run 1 "$kind: read-only target" "${write[@]}" "$t"
    err_has "$kind: read-only target" "$t"
    [ "$(cat "$t")" = old ] || fail "$kind: the read-only file was changed"
    chmod 644 "$t"
    # A link at the target is written through: the link stays, its file changes.
    echo old >"$w/real.$kind"
    rm "$t"
    ln -s "$w/real.$kind" "$t"
    run 0 "$kind: link at the target" "${write[@]}" "$t"
    [ -L "$t" ] || fail "$kind: the link at the target was replaced"
    [ "$(head -c 3 "$w/real.$kind")" != old ] || fail "$kind: the link's file was not written"
    rm "$t"
    # A folder, a FIFO and a device node at the target are refused and stay.
    mkdir "$t"
    run 1 "$kind: folder target" "${write[@]}" "$t"
    err_has "$kind: refused target" "$t"
    [ -d "$t" ] || fail "$kind: the folder target is gone"
    rmdir "$t"
    mkfifo "$t"
    run 1 "$kind: FIFO target" "${write[@]}" "$t"
    err_has "$kind: refused target" "$t"
    [ -p "$t" ] || fail "$kind: the FIFO target is gone"
    rm "$t"
    if mknod "$t" c 1 3 2>/dev/null; then
        run 1 "$kind: device target" "${write[@]}" "$t"
        err_has "$kind: refused target" "$t"
        [ -c "$t" ] || fail "$kind: the device target is gone"
        rm "$t"
    else
        skip "$kind: a device node cannot be made here (needs root)"
    fi
    # As an unprivileged user: a read-only file of its own is refused; in a folder it
    # may not write, its writable file stays as it was and no temporary file appears.
    if [ $nobody_ok = 1 ]; then
        u="$w/user"
        mkdir "$u"
        echo old >"$u/ro.$kind"
        echo old >"$u/rw.$kind"
        chmod 444 "$u/ro.$kind"
        chmod 666 "$u/rw.$kind"
        [ "$(id -u)" = 0 ] && chown nobody "$u" "$u/ro.$kind"
        run 1 "$kind: read-only target, unprivileged" as_nobody "${write[@]}" "$u/ro.$kind"
        err_has "$kind: unprivileged, read-only" "$u/ro.$kind"
        [ "$(cat "$u/ro.$kind")" = old ] || fail "$kind: unprivileged: read-only file changed"
        chmod 555 "$u"
        run 1 "$kind: folder not writable, unprivileged" as_nobody "${write[@]}" "$u/rw.$kind"
        err_has "$kind: unprivileged, folder" "$u"
        [ "$(cat "$u/rw.$kind")" = old ] || fail "$kind: unprivileged: old file not intact"
        [ "$(ls -A "$u" | wc -l)" = 2 ] || fail "$kind: unprivileged: a temporary file was left"
        chmod 755 "$u"
    else
        skip "$kind: no way to run as an unprivileged user (runuser, nobody)"
    fi
done

. "$src/tests/scripts/lib/trust_writer.sh"
. "$src/tests/scripts/lib/trust_inputs.sh"

if [ $failures -gt 0 ]; then
    exit 1
fi
[ $skips -gt 0 ] && exit 77
exit 0
