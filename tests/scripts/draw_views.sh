# Every view with every end type drawn by `torvelix draw`, read back with ezdxf: entity
# counts, the end coils starting at the picked point, the far end as the near end's half
# turn about the centre, and the length of the side views.
set -eu
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module ezdxf
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for view in broken full section cut; do
    for ends in 1 2 3 4; do
        "$exe" draw --view "$view" --ends "$ends" --D0 20 --d 2 --t 6 --n 7 \
            --start 12.5,-4,3 -o "$work/$view-$ends.dxf"
    done
done
"$exe" draw --view broken --ends 3 --break-coils 1 --D0 20 --d 2 --t 6 --n 7 \
    --start 12.5,-4,3 -o "$work/broken1-3.dxf"

/usr/bin/python3 - "$work" "$src/tests/scripts" <<'PY'
import sys
sys.path.insert(0, sys.argv[2])
from draw_check import *

work = sys.argv[1]
n, t, d, d0 = 7, 6.0, 2.0, 20.0
sx, sy = 12.5, -4.0
distinct_ends = {"broken": {1: 6, 2: 5, 3: 5, 4: 5}, "full": {1: 6, 2: 5, 3: 5, 4: 5},
                 "section": {1: 4, 2: 4, 3: 2, 4: 2}, "cut": {1: 1, 2: 2, 3: 2, 4: 2}}
for view, coils, copies in (("broken", 13, 19), ("broken1", 7, 13), ("full", 6 * n - 2, 6),
                            ("section", 4 * n, 4), ("cut", 2 * n, 2)):
    for ends in (1, 2, 3, 4):
        if view == "broken1" and ends != 3:
            continue
        name = "%s-%d" % (view, ends)
        doc = load("%s/%s.dxf" % (work, name))
        ents = shapes(doc)
        kind = "broken" if view.startswith("broken") else view
        expected = coils + distinct_ends[kind][ends] + copies
        check(len(ents) == expected, "%s: %d entities, expected %d" % (name, len(ents), expected))
        check(not shapes(doc, "paper"), name + ": paper space is empty")
        zs = {e.dxf.start[2] if e.dxftype() == "LINE" else e.dxf.center[2] for e in ents}
        zs |= {e.dxf.end[2] for e in ents if e.dxftype() == "LINE"}
        check(zs == {3.0}, "%s: every point at the picked Z, got %s" % (name, sorted(zs)))
        a = end_allowance(ends, t, d, d0)
        lo, hi = extents(ents)
        if kind == "broken":
            c = 1 if view == "broken1" else 2
            centre = (sx + a + c * t + t / 2, sy)
            length = 2 * (a + c * t) + t
        else:
            centre = (sx + a + (n - 0.5) * t / 2, sy)
            length = 2 * a + (n - 0.5) * t
        if kind in ("broken", "full"):
            check(abs(lo - sx) < 1e-6, "%s: leftmost X %.6f, expected %.6f" % (name, lo, sx))
            check(abs(hi - (sx + length)) < 1e-6,
                  "%s: rightmost X %.6f, expected %.6f" % (name, hi, sx + length))
        check(point_symmetric(ents, centre), name + ": not its own half turn about the centre")
finish()
PY
