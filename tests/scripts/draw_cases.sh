# The classic drawing (no --eskd) of every view with every end type: `torvelix draw` over
# each case in tests/cases/draw/<view>_<ends>/ (options in `args`, one per line), read back
# with ezdxf and compared entity for entity, rounded to three decimals, with the case's
# `expected.dump`. cut_2 and section_4 are worked out from the drawing rules alone by
# independent.py; the others guard against regressions. A failing run's dump is kept
# beside the expected one as actual.dump.
set -u
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module ezdxf
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
passed=0
for case_dir in "$src"/tests/cases/draw/*/; do
    name="$(basename "$case_dir")"
    [ -f "$case_dir/args" ] || continue
    mapfile -t args < "$case_dir/args"
    "$exe" draw "${args[@]}" -o "$work/drawing.dxf" 2> "$work/err"
    /usr/bin/python3 "$src/tests/cases/draw/dump_dxf.py" "$work/drawing.dxf" > "$work/dump"
    if cmp -s "$work/dump" "$case_dir/expected.dump"; then
        passed=$((passed + 1))
        rm -f "$case_dir/actual.dump"
    else
        failed=$((failed + 1))
        cp "$work/dump" "$case_dir/actual.dump"
        echo "FAIL $name"
        cat "$work/err"
        diff "$case_dir/expected.dump" "$work/dump" | head -10
    fi
done
# The independent cases agree with the rules' script as it stands.
/usr/bin/python3 - "$src/tests/cases/draw" <<'PY' || failed=$((failed + 1))
import os, subprocess, sys, tempfile, shutil
here = sys.argv[1]
copy = tempfile.mkdtemp()
try:
    shutil.copy(os.path.join(here, "independent.py"), copy)
    subprocess.run(["/usr/bin/python3", os.path.join(copy, "independent.py")], check=True)
    for name in ("cut_2", "section_4"):
        ours = open(os.path.join(copy, name, "expected.dump")).read()
        if ours != open(os.path.join(here, name, "expected.dump")).read():
            sys.exit("FAIL %s: expected.dump is not independent.py's" % name)
finally:
    shutil.rmtree(copy)
PY
echo "$passed passed, $failed failed"
[ $failed = 0 ]
