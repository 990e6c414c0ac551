#!/usr/bin/env bash
# Rewrites the expected entity dumps of the classic drawing cases from the given torvelix
# build (regression guards: the program's own output), then the two cases worked out
# independently (cut_2, section_4) from independent.py. Review the diff before committing.
set -eu
exe="$(realpath "${1:-build/app/torvelix}")"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for case_dir in "$here"/*/; do
    [ -f "$case_dir/args" ] || continue
    mapfile -t args < "$case_dir/args"
    "$exe" draw "${args[@]}" -o "$work/drawing.dxf"
    /usr/bin/python3 "$here/dump_dxf.py" "$work/drawing.dxf" > "$case_dir/expected.dump"
done
/usr/bin/python3 "$here/independent.py"
