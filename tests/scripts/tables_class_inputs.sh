#!/bin/bash
# For each of the eleven classification items, the input recorded in data/README.md
# lists candidates from the shipped tables, and a report where one is proposed.
# Usage: tables_class_inputs.sh <torvelix-exe> <source-dir>
set -u
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect_candidates <least number of candidates> <report: yes|no> <calc options...>
expect_candidates() {
    local least=$1 report=$2
    shift 2
    "$exe" calc "$@" >"$work/out" 2>"$work/err"
    local listed reported
    listed=$(grep -c '^Номер пружины по ГОСТ' "$work/out")
    reported=$(grep -c '^-\{62\}$' "$work/out")
    if [ "$listed" -lt "$least" ]; then
        echo "FAIL: calc $*: $listed candidates, expected at least $least"
        cat "$work/err"
        failures=$((failures + 1))
    fi
    if [ "$report" = yes ] && [ "$reported" != 1 ]; then
        echo "FAIL: calc $*: no spring proposed and reported"
        failures=$((failures + 1))
    fi
}

# The window's defaults: class item 0, F1 20, F2 80, h 10, vmax 3, outer diameter 10 .. 12.
expect_candidates 8 yes
if ! grep -q '^Номер пружины по ГОСТ 13766-86                     : 383$' "$work/out"; then
    echo "FAIL: the default inputs do not propose spring 383 of GOST 13766-86"
    failures=$((failures + 1))
fi
expect_candidates 5 no --class 1
expect_candidates 10 yes --class 1 --F1 2 --F2 10 --h 10 --vmax 1 --dmin 3 --dmax 10
expect_candidates 10 yes --class 1 --wire IIA --F1 2 --F2 10 --h 10 --vmax 1 --dmin 3 --dmax 10
expect_candidates 3 yes --class 2 --F1 75 --F2 300 --h 10 --vmax 1 --dmin 30 --dmax 40
expect_candidates 5 yes --class 3 --F1 2000 --F2 8000 --h 10 --vmax 1 --dmin 150 --dmax 200
expect_candidates 5 yes --class 4
expect_candidates 5 yes --class 5
expect_candidates 3 yes --class 6 --F1 125 --F2 500 --h 10 --vmax 1 --dmin 30 --dmax 40
expect_candidates 5 yes --class 7 --F1 3750 --F2 15000 --h 10 --vmax 1 --dmin 150 --dmax 200
expect_candidates 5 yes --class 8 --kind three --F1 50 --F2 200 --h 10 --vmax 1 --dmin 8 --dmax 10
expect_candidates 5 no --class 9 --F1 250 --F2 1000 --h 10 --vmax 1 --dmin 40 --dmax 50
expect_candidates 5 no --class 10 --F1 200 --F2 800 --h 10 --vmax 1 --dmin 20 --dmax 25

exit $((failures > 0))
