#!/usr/bin/env bash
# Rewrites the expected files of every golden case from the given torvelix build.
# Run by a developer after a deliberate change; review the diff before committing.
set -eu
exe="$(realpath "${1:-build/app/torvelix}")"
here="$(cd "$(dirname "$0")" && pwd)"
dir="$(dirname "$exe")"
for case_dir in "$here"/*/; do
    [ -f "$case_dir/args" ] || continue
    mapfile -t args < "$case_dir/args"
    set +e
    "$exe" calc "${args[@]}" > "$case_dir/expected.out" 2> "$case_dir/expected.err"
    echo $? > "$case_dir/expected.code"
    set -e
    sed -i "s#$dir#<DIR>#g" "$case_dir/expected.err"
    rm -f "$case_dir/actual.out" "$case_dir/actual.err"
done
