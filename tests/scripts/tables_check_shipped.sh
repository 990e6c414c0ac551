#!/bin/bash
# `torvelix check-tables` on the shipped tables (in the sources and beside the built
# program), on a broken copy, and with a bad command line.
# Usage: tables_check_shipped.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect <status> <description> <command...>
    local want=$1 what=$2
    shift 2
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" != "$want" ]; then
        echo "FAIL: $what: exit $got, expected $want"
        cat "$work/out" "$work/err"
        failures=$((failures + 1))
    fi
}

expect 0 "shipped tables in the sources" "$exe" check-tables --base "$source_dir/data"
expect 0 "tables beside the program" "$exe" check-tables
[ -s "$work/out" ] && { echo "FAIL: output for clean tables"; failures=$((failures + 1)); }

# A copy named as beside a program, with one wrong c1.
for f in "$source_dir"/data/*.dat; do
    cp "$f" "$work/spring_$(basename "$f")"
done
sed -i '3s/^\(.\{18\}\)......./\1  999.9/' "$work/spring_13770.dat"
expect 1 "a broken copy" "$exe" check-tables --base "$work/spring"
if [ "$(cat "$work/out")" != "$work/spring_13770.dat:3: F3 1.8 differs from c1 * s3' = 916.908 by more than 1 %" ]; then
    echo "FAIL: unexpected report for the broken copy:"
    cat "$work/out"
    failures=$((failures + 1))
fi

expect 2 "an unknown option" "$exe" check-tables --bogus
expect 2 "a stray argument" "$exe" check-tables extra
expect 2 "--base without a value" "$exe" check-tables --base
expect 0 "--help" "$exe" check-tables --help
grep -q -- "--base PATH" "$work/out" || { echo "FAIL: --help text"; failures=$((failures + 1)); }

exit $((failures > 0))
