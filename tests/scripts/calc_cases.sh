#!/usr/bin/env bash
# Runs `torvelix calc` over every golden case in tests/cases/<name>/: the file `args`
# holds the options (one per line), `expected.out`, `expected.err` and
# `expected.code` what must come out. The folder of the executable is written as
# <DIR> in messages. A failing run's output is kept beside the expected files as
# actual.out / actual.err.
set -u
exe="$1"
src="$2"
dir="$(cd "$(dirname "$exe")" && pwd)"
failed=0
passed=0
for case_dir in "$src"/tests/cases/*/; do
    name="$(basename "$case_dir")"
    [ -f "$case_dir/args" ] || continue
    mapfile -t args < "$case_dir/args"
    out="$(mktemp)"
    err="$(mktemp)"
    "$exe" calc "${args[@]}" > "$out" 2> "$err"
    code=$?
    sed -i "s#$dir#<DIR>#g" "$err"
    ok=1
    cmp -s "$out" "$case_dir/expected.out" || ok=0
    cmp -s "$err" "$case_dir/expected.err" || ok=0
    [ "$code" = "$(cat "$case_dir/expected.code")" ] || ok=0
    if [ $ok = 1 ]; then
        passed=$((passed + 1))
        rm -f "$case_dir/actual.out" "$case_dir/actual.err"
    else
        failed=$((failed + 1))
        cp "$out" "$case_dir/actual.out"
        cp "$err" "$case_dir/actual.err"
        echo "FAIL $name (exit $code, expected $(cat "$case_dir/expected.code"))"
        diff "$case_dir/expected.out" "$out" | head -20
        diff "$case_dir/expected.err" "$err" | head -5
    fi
    rm -f "$out" "$err"
done
echo "$passed passed, $failed failed"
[ $failed = 0 ]
