#!/bin/bash
# Where the program looks for each table, with a temporary XDG_DATA_HOME: the user's
# table is read before the one beside the program, check-tables says where each table
# was found, a relative XDG_DATA_HOME falls back to ~/.local/share, and an installed
# copy names the installed tables' guide.
# Usage: tables_search_order.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
name=$(basename "$exe")

# With nothing of the user's, every table is the shipped one beside the program.
XDG_DATA_HOME="$work/empty" "$exe" check-tables >"$work/out" 2>"$work/err" ||
    fail "check-tables on the shipped tables: $(cat "$work/out" "$work/err")"
[ "$(grep -c ': table [0-9]*: .* (shipped with the program)$' "$work/err")" = 13 ] ||
    fail "not 13 shipped tables named: $(cat "$work/err")"

# The user's copy of 13770 with one wrong c1 (line 3) is the one read and checked.
mkdir -p "$work/data/torvelix"
own="$work/data/torvelix/${name}_13770.dat"
sed '3s/^\(.\{18\}\)......./\1  999.9/' "$source_dir/data/13770.dat" >"$own"
XDG_DATA_HOME="$work/data" "$exe" check-tables >"$work/out" 2>"$work/err"
[ $? = 1 ] || fail "a broken table of the user's is not a fault"
grep -q "^$own:3: F3 " "$work/out" || fail "the fault does not name the user's table: $(cat "$work/out")"
grep -qx "torvelix check-tables: table 13770: $own (the user's own tables)" "$work/err" ||
    fail "the user's table is not named: $(cat "$work/err")"
[ "$(grep -c '(shipped with the program)$' "$work/err")" = 12 ] ||
    fail "the other tables are not the shipped ones"

# A relative XDG_DATA_HOME is ignored: ~/.local/share/torvelix/ is looked in instead.
mkdir -p "$work/home/.local/share/torvelix"
cp "$own" "$work/home/.local/share/torvelix/"
HOME="$work/home" XDG_DATA_HOME=relative "$exe" check-tables >"$work/out" 2>"$work/err"
grep -q "table 13770: $work/home/.local/share/torvelix/${name}_13770.dat " "$work/err" ||
    fail "~/.local/share/torvelix not searched: $(cat "$work/err")"

# The calculation reads the user's table too: a table of the user's that cannot be
# read stops it with the file's name.
mkdir -p "$work/unreadable/torvelix/${name}_13766.dat"
XDG_DATA_HOME="$work/unreadable" "$exe" calc >"$work/out" 2>"$work/err"
grep -q "$work/unreadable/torvelix/${name}_13766.dat" "$work/err" ||
    fail "calc does not name the user's table it could not read: $(cat "$work/err")"

# An installed copy sends the reader to the installed guide.
mkdir -p "$work/usr/bin" "$work/usr/share/torvelix" "$work/usr/share/doc/torvelix"
cp "$exe" "$work/usr/bin/torvelix"
for f in "$source_dir"/data/*.dat; do
    cp "$f" "$work/usr/share/torvelix/torvelix_$(basename "$f")"
done
cp "$source_dir/data/README.md" "$work/usr/share/doc/torvelix/tables.md"
XDG_DATA_HOME="$work/empty" "$work/usr/bin/torvelix" check-tables >/dev/null 2>"$work/err"
grep -q "not the standard's table (see $work/usr/share/doc/torvelix/tables.md)" "$work/err" ||
    fail "the estimate note does not name the installed guide: $(cat "$work/err")"
"$work/usr/bin/torvelix" check-tables --help | grep -q "$work/usr/share/doc/torvelix/tables.md" ||
    fail "check-tables --help does not name the installed guide"
exit $((failures > 0))
