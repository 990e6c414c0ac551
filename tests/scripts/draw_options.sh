# `torvelix draw` options read back with ezdxf: the loading diagram, the technical
# requirements in Cyrillic, DIMSCALE, paper space, and the pitch fitted between two points.
set -eu
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module ezdxf
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat > "$work/tt.txt" <<'TT'
items=1,2,3,4,5,6,7,8,9,10,11
e6Num=123
comb6Gost=ГОСТ 13770-86
e6G=78500
e6Tau=1149
comb6Naviv=левое
e6L=412.5
e6n=8
e6n1=10
e6HRC=45...50
e6Dc=14.2
e6TT=ГОСТ 16118-70
comb6Kontrol=1
TT
printf 'items=8,2\r\ne6G=80000\r\ne6HRC=40\r\n' > "$work/tt2.txt"

"$exe" draw --view broken --ends 1 --D0 20 --d 2 --t 6 --n 8 --diagram \
    --L0 60 --L1 50 --L2 40 --L3 30 --F1 20 --F2 80 --F3 100 \
    --tt "$work/tt.txt" --tt-corner 100,0 -o "$work/diagram.dxf"
"$exe" draw --view broken --ends 2 --D0 20 --d 2 --t 6 --n 8 --dimscale 2 \
    --tt "$work/tt2.txt" --tt-corner 0,10 -o "$work/scaled.dxf"
"$exe" draw --view full --ends 2 --D0 20 --d 2 --n 8 --inscribe --start 0,0 --end 30.6,-40.8 \
    -o "$work/inscribed.dxf"
"$exe" draw --view cut --ends 4 --D0 20 --d 2 --t 6 --n 3 --tilemode 0 --cvport 1 \
    -o "$work/paper.dxf"
"$exe" draw --view cut --ends 4 --D0 20 --d 2 --t 6 --n 3 --tilemode 0 --cvport 2 \
    -o "$work/viewport.dxf"
"$exe" draw --view full --ends 3 --D0 20 --d 2 --t 6 --n 3 -o "$work/picture.svg"
grep -q "<svg" "$work/picture.svg" || { echo "FAIL: no SVG picture" >&2; exit 1; }

/usr/bin/python3 - "$work" "$src/tests/scripts" <<'PY'
import math
import sys
sys.path.insert(0, sys.argv[2])
from draw_check import *

work = sys.argv[1]

# Loading diagram: five lines after the 38 of the view with a break, from the start point.
doc = load(work + "/diagram.dxf")
ents = shapes(doc)
check(len(ents) == 38 + 5, "diagram: %d entities" % len(ents))
a = end_allowance(1, 6, 2, 20)
drawn = 2 * (2 * 6 + a) + 6
ordinate, base, force, at2, at1 = ents[-5:]
check(abs(ordinate.dxf.start[0] - drawn * 30 / 60) < 1e-6, "diagram: ordinate at L3")
check(abs(ordinate.dxf.start[1] - 40) < 1e-9 and abs(ordinate.dxf.end[1] - 30) < 1e-9,
      "diagram: between 1.5 D0 and 2 D0")
check(abs(base.dxf.end[0] - drawn) < 1e-6, "diagram: base line to the drawn length")
for line, li in ((at2, 40), (at1, 50)):
    x = line.dxf.start[0]
    check(abs(x - drawn * li / 60) < 1e-6, "diagram: ordinate at L%d" % (1 if li == 50 else 2))
    # The top of the ordinate lies on the force line.
    fx0, fy0 = force.dxf.start[0], force.dxf.start[1]
    fx1, fy1 = force.dxf.end[0], force.dxf.end[1]
    y_on_force = fy0 + (fy1 - fy0) * (x - fx0) / (fx1 - fx0)
    check(abs(line.dxf.start[1] - y_on_force) < 1e-9, "diagram: ordinate ends on the force line")

# Technical requirements: thirteen lines from the corner up, Cyrillic intact.
lines = texts(doc)
check(len(lines) == 13, "requirements: %d texts" % len(lines))
by_y = sorted(lines, key=lambda e: e.dxf.insert[1])
for k, e in enumerate(by_y):
    check(abs(e.dxf.insert[1] - 8.2 * k) < 1e-6,
          "requirements: line %d at Y %.3f" % (k, e.dxf.insert[1]))
    check(abs(e.dxf.insert[0] - 100) < 1e-9 and abs(e.dxf.height - 4.5) < 1e-9,
          "requirements: corner X and height")
check(abs(by_y[-1].dxf.insert[1] - 98.4) < 1e-6, "requirements: top line at 98.4")
check(by_y[-1].dxf.text == "1. Пружина номер 123 ГОСТ 13770-86.", "item 1: " + by_y[-1].dxf.text)
check(by_y[0].dxf.text == "ГОСТ 16118-70", "item 11 continuation: " + by_y[0].dxf.text)
check(by_y[1].dxf.text == "11. Остальные технические требования по", "item 11: " + by_y[1].dxf.text)
check(by_y[3].dxf.text == "9. Диаметр контрольной гильзы Dг = 14.2 мм.",
      "item 9: " + by_y[3].dxf.text)
check(by_y[10].dxf.text == "3. Напряжение касательное при кручении", "item 3: " + by_y[10].dxf.text)
check(by_y[9].dxf.text == "(макс.) Tau = 1149 МПа.", "item 3 continuation: " + by_y[9].dxf.text)

# DIMSCALE 2: doubled height and pitch; items 2 and 8 numbered from the top.
doc = load(work + "/scaled.dxf")
lines = sorted(texts(doc), key=lambda e: e.dxf.insert[1])
check([e.dxf.text for e in lines] == ["2. Твердость HRC 40.", "1. Модуль сдвига G = 80000 МПа."],
      "scaled: " + repr([e.dxf.text for e in lines]))
check(abs(lines[0].dxf.insert[1] - 10) < 1e-9 and abs(lines[1].dxf.insert[1] - 26.4) < 1e-9,
      "scaled: line pitch 16.4")
check(all(abs(e.dxf.height - 9) < 1e-9 for e in lines), "scaled: height 9")

# Pitch fitted to a distance of 51 (end type 2, d 2, n 8): 6, so the view is 51 long.
doc = load(work + "/inscribed.dxf")
lo, hi = extents(shapes(doc))
check(abs(lo) < 1e-9 and abs(hi - 51) < 1e-9, "inscribed: from %.6f to %.6f" % (lo, hi))

# TILEMODE 0: paper space with its own viewport current, else model space.
doc = load(work + "/paper.dxf")
check(len(shapes(doc, "paper")) == 2 * 3 + 2 + 2 and not shapes(doc), "paper space")
doc = load(work + "/viewport.dxf")
check(len(shapes(doc)) == 10 and not shapes(doc, "paper"), "model-space viewport")
finish()
PY
