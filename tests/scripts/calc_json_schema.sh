#!/usr/bin/env bash
# `torvelix calc --format json` and `--batch` output validated against the published
# JSON Schema (docs/calc-output.schema.json): plain designs, a sorted and filtered one,
# one without candidates, a failed one, a custom spring and a three-strand class.
set -eu
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module jsonschema
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

run() { "$exe" calc --format json "$@" >> "$work/out.jsonl" || true; }
run
run --sort margin --only-passing
run --dmin 1 --dmax 1.5
run --F1 abc
run --wire-d 1.7 --D1 11.5
run --class 8 --num 1
run --no-stability --sort mass --num 374
printf 'class,F1,dmin\n0,20,10\n0,x,10\n' > "$work/batch.csv"
"$exe" calc --batch "$work/batch.csv" --format json >> "$work/out.jsonl" || true

/usr/bin/python3 - "$src/docs/calc-output.schema.json" "$work/out.jsonl" <<'PY'
import json, sys
import jsonschema
schema = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
lines = open(sys.argv[2], encoding="utf-8").read().splitlines()
assert len(lines) == 9, len(lines)
for k, line in enumerate(lines, 1):
    errors = list(validator.iter_errors(json.loads(line)))
    for e in errors:
        print("object %d: %s at %s" % (k, e.message, list(e.path)))
    assert not errors
objects = [json.loads(line) for line in lines]
# The default design lists candidates and reports the proposed spring.
assert objects[0]["candidates"] and objects[0]["report"]["spring"].startswith("ГОСТ 13766-86 № ")
# A failed design carries its message and no report.
assert objects[3]["report"] is None and objects[3]["messages"][0]["kind"] == "error"
# The custom spring is named as none of the tables'.
assert objects[4]["report"]["spring"] == "не по ГОСТ 13766…13776, расчет по ГОСТ 13765-86"
# Stability off: no margin, the check counts as passed.
assert all(c["checks"]["stability"] == {"ok": True, "margin": None}
           for c in objects[6]["candidates"] if c["F3"] is not None)
# Each margin agrees with its verdict: 100 % or more exactly where the check passed.
checked = 0
for o in objects:
    for c in o.get("candidates", []):
        for name, check in c["checks"].items():
            if check["margin"] is not None:
                assert (check["margin"] >= 100) == check["ok"], (c["number"], name, check)
                checked += 1
        assert c["passes"] == all(ch["ok"] for ch in c["checks"].values())
assert checked > 50, checked
print("ok: %d objects valid" % len(objects))
PY
