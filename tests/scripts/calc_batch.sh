#!/usr/bin/env bash
# `torvelix calc --batch FILE --format json`: good and bad lines of a CSV file of
# designs, one JSON object out per design with its line number, the run going on past
# a bad line, exit status 1 when any line failed and 0 when none did; each good line's
# object the same as that design's own `calc --format json` run.
set -eu
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_command /usr/bin/python3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Line 4 holds a quoted field with a comma, line 5 a quoted field with a line break
# (both bad values), line 7 has too few fields, line 8 a bad class.
cat > "$work/designs.csv" <<'CSV'
class,F1,F2,dmin,dmax,stability,sort,only-passing,num
0,20,80,10,12,,,,
,,,,,no,mass,yes,
0,"2,5",80,10,12,,,,
0,20,"8
0",10,12,,,,

0,20,80
11,20,80,10,12,,,,
0,10,50,8,14,,margin,,383
CSV
set +e
"$exe" calc --batch "$work/designs.csv" --format json > "$work/out.jsonl" 2> "$work/err.txt"
code=$?
set -e
[ "$code" = 1 ] || { echo "batch with bad lines gave exit status $code"; exit 1; }
"$exe" calc --format json --class 0 --F1 20 --F2 80 --dmin 10 --dmax 12 > "$work/line2.json"
"$exe" calc --format json --no-stability --sort mass --only-passing > "$work/line3.json"
"$exe" calc --format json --class 0 --F1 10 --F2 50 --dmin 8 --dmax 14 --sort margin \
    --num 383 > "$work/line10.json"

/usr/bin/python3 - "$work" <<'PY'
import json, os, sys
work = sys.argv[1]
objects = [json.loads(l) for l in open(os.path.join(work, "out.jsonl"), encoding="utf-8")]
lines = [o["line"] for o in objects]
assert lines == [2, 3, 4, 5, 8, 9, 10], lines
by_line = {o["line"]: o for o in objects}
for n in (2, 3, 10):
    alone = json.load(open(os.path.join(work, "line%d.json" % n), encoding="utf-8"))
    got = dict(by_line[n]); del got["line"]
    # The batch names its options by the header; the inputs given are the same.
    assert got["candidates"] == alone["candidates"], n
    assert got["report"] == alone["report"], n
    assert got["messages"] == alone["messages"], n
assert by_line[3]["candidates"] and all(c["passes"] for c in by_line[3]["candidates"])
# Bad values of a design: its own messages, no report.
assert by_line[4]["report"] is None and by_line[4]["messages"], by_line[4]
assert by_line[5]["report"] is None and by_line[5]["messages"], by_line[5]
assert by_line[8] == {"line": 8, "error": "3 fields, the header has 9"}, by_line[8]
assert by_line[9] == {"line": 9, "error": "class takes an item from 0 to 10"}, by_line[9]
assert by_line[10]["report"]["spring"] == "ГОСТ 13766-86 № 383"
print("ok")
PY
[ ! -s "$work/err.txt" ] || { cat "$work/err.txt"; exit 1; }

# Good lines only: exit status 0. A header naming an unknown option: nothing run.
printf 'class,F1\n0,20\n1,30\n' > "$work/good.csv"
"$exe" calc --batch "$work/good.csv" --format json > "$work/good.jsonl"
[ "$(wc -l < "$work/good.jsonl")" = 2 ]
printf 'class,weight\n0,1\n' > "$work/badheader.csv"
set +e
"$exe" calc --batch "$work/badheader.csv" --format json > "$work/none.jsonl" 2> "$work/err2.txt"
code=$?
"$exe" calc --batch "$work/good.csv" > /dev/null 2> "$work/err3.txt"
code3=$?
set -e
[ "$code" = 1 ] && [ ! -s "$work/none.jsonl" ] && grep -q "unknown column 'weight'" "$work/err2.txt"
[ "$code3" = 2 ] && grep -q "give --format json" "$work/err3.txt"
echo ok
