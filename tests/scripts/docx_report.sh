#!/usr/bin/env bash
# The report document of `torvelix calc --docx`: python-docx reads it back and
# finds the printed report lines, one Courier New 12 pt paragraph each, then one
# empty paragraph; a file that cannot be written is reported and exits 1.
# Usage: docx_report.sh TORVELIX_EXE SOURCE_DIR
set -euo pipefail
exe=$1
src=$2
. "$src/tests/scripts/lib/require.sh"
require_python_module docx
check="$src/tests/export/docx_check.py"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The window's defaults, then a three-strand class whose report has the cable line.
run_case() {
    local name=$1
    shift
    "$exe" calc "$@" --report-only --docx "$work/$name.docx" >"$work/$name.txt" ||
        fail "$name: torvelix calc exited with $?"
    [ -s "$work/$name.txt" ] || fail "$name: no report printed"
    /usr/bin/python3 "$check" "$work/$name.docx" "$work/$name.txt" ||
        fail "$name: the document differs from the printed report"
    echo "ok: $name ($(wc -l <"$work/$name.txt") lines)"
}
run_case defaults
run_case three-strand --kind three --F1 100 --F2 400 --h 5 --dmin 15 --dmax 30

# An unwritable destination: exit 1, one error line naming it, nothing created.
status=0
"$exe" calc --report-only --docx "$work/missing/report.docx" >/dev/null 2>"$work/err.txt" ||
    status=$?
[ "$status" -eq 1 ] || fail "missing folder: exit status $status, expected 1"
grep -q "^error: Не удалось записать файл $work/missing/report.docx" "$work/err.txt" ||
    fail "missing folder: unexpected message: $(cat "$work/err.txt")"
[ ! -e "$work/missing" ] || fail "missing folder: something was created"
echo "ok: unwritable destination reported"
