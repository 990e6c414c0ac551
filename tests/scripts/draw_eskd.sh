# The complete drawing (--eskd) read back with ezdxf for each view: layers and their
# lineweights, the dash-dot axis linetype, the hatched sections, the dimensions and what
# they measure, the sheet's frame and title block, a clean audit, only finite numbers; and
# a PDF page of the sheet's size.
set -eu
exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -c 'import ezdxf' 2>/dev/null || exit 77

printf 'items=1,10\ne6Num=123\ncomb6Gost=ГОСТ 13766-86\n' > "$work/tt.txt"
common="--ends 3 --D0 20 --d 2 --t 12.125 --n 8 --L0 100 --start 1000,500 --tt $work/tt.txt"
"$exe" draw --eskd --view broken $common --diagram --L1 88 --L2 70 --L3 64 \
    --F1 20 --F2 80 --F3 100 --material 'Проволока II' --mass 0,012 -o "$work/broken.dxf"
for view in full section cut; do
    "$exe" draw --eskd --view "$view" $common -o "$work/$view.dxf"
done
"$exe" draw --eskd --view cut $common -o "$work/cut.pdf"
# Without --L0 there is no length to draw to.
if "$exe" draw --eskd --view full --ends 3 --D0 20 --d 2 --t 12 --n 8 -o "$work/x.dxf" 2>/dev/null; then
    echo "FAIL: --eskd without L0 drawn" >&2
    exit 1
fi

/usr/bin/python3 - "$work" <<'PY'
import math, re, sys
import ezdxf

work = sys.argv[1]
bad = []
def check(ok, message):
    if not ok:
        bad.append(message)

# Independently: the pitch is the design's, t = (L0 - 1.5 d) / n = 97 / 8 for closed ground
# ends (n2 = 2, n3 = 1.5); the outer diameter D0 + d = 22; the sheet A4 at 1:1 (100 mm plus
# the dimensions do not fit 185 mm at 2:1), its corner at the start point given.
pitch = 97 / 8
for view in ("broken", "full", "section", "cut"):
    doc = ezdxf.readfile("%s/%s.dxf" % (work, view))
    audit = doc.audit()
    check(not audit.errors and not audit.fixes, view + ": audit not clean")
    layers = {l.dxf.name: l for l in doc.layers}
    for name, weight in (("Контур", 50), ("Оси", 25), ("Размеры", 25), ("Рамка", 50),
                         ("Штриховка", 25)):
        check(name in layers and layers[name].dxf.lineweight == weight,
              "%s: layer %s with lineweight %d" % (view, name, weight))
    axis_type = layers["Оси"].dxf.linetype
    pattern = doc.linetypes.get(axis_type).pattern_tags.tags
    check(len([t for t in pattern if t.code == 49]) == 4, view + ": dash-dot pattern")
    check(axis_type == "DASHDOT", view + ": the axes' linetype is " + axis_type)
    msp = doc.modelspace()
    outline = msp.query('*[layer=="Контур"]')
    check(len(outline) > 0 and all(e.dxftype() in ("LINE", "ARC", "CIRCLE") for e in outline),
          view + ": outline")
    xs = []
    for e in outline:
        if e.dxftype() == "LINE":
            xs += [e.dxf.start[0], e.dxf.end[0]]
    if view in ("broken", "full"):
        # Drawn true to L0 from the spring's start.
        check(abs(max(xs) - min(xs) - 100) < 1e-6, "%s: drawn length %.6f" % (view, max(xs) - min(xs)))
    hatches = msp.query("HATCH")
    # Section and cut: two sections a coil and the ground end's section at either end.
    expected = 2 * 8 + 2 if view in ("section", "cut") else 0
    check(len(hatches) == expected, "%s: %d hatches, expected %d" % (view, len(hatches), expected))
    check(all(h.dxf.pattern_name == "ANSI31" and h.dxf.pattern_type == 1 and
              abs(h.pattern.lines[0].angle - 45) < 1e-9 for h in hatches), view + ": ANSI31 at 45")
    measured = sorted(round(d.get_measurement(), 3) for d in msp.query("DIMENSION"))
    want = [2.0, round(pitch, 3), 22.0, 100.0]
    if view == "broken":
        want += [64.0, 70.0, 88.0]
    check(measured == sorted(want), "%s: dimensions %s, expected %s" % (view, measured, sorted(want)))
    l0 = [d for d in msp.query("DIMENSION") if abs(d.get_measurement() - 100) < 1e-9]
    check(l0 and l0[0].dxf.text == "<>*", view + ": L0 marked as a reference size")
    step = [d for d in msp.query("DIMENSION") if abs(d.get_measurement() - pitch) < 1e-9]
    check(step and step[0].dxf.text == "<>*", view + ": the pitch marked as a reference size")
    for var, value in (("$DIMDEC", 3), ("$DIMZIN", 8), ("$DIMDSEP", 44)):
        check(doc.header.get(var) == value, "%s: %s is %r" % (view, var, doc.header.get(var)))
    frame = [e for e in msp.query('LINE[layer=="Рамка"]')]
    fx = [p[0] for e in frame for p in (e.dxf.start, e.dxf.end)]
    fy = [p[1] for e in frame for p in (e.dxf.start, e.dxf.end)]
    # A4 portrait: the frame 20 mm from the left edge, 5 mm from the others.
    check(abs(min(fx) - 1020) < 1e-9 and abs(max(fx) - 1205) < 1e-9 and
          abs(min(fy) - 505) < 1e-9 and abs(max(fy) - 792) < 1e-9, view + ": A4 frame")
    texts = {t.dxf.text for t in msp.query("TEXT")}
    for text in ("Пружина", "1:1", "123 ГОСТ 13766-86", "1. Пружина номер 123 ГОСТ 13766-86.",
                 "2. *Размеры для справок."):
        check(text in texts, "%s: no text %r" % (view, text))
    if view == "broken":
        check({"Проволока II", "0,012", "F3 = 100 Н"} <= texts, "broken: material, mass, force")
    source = open("%s/%s.dxf" % (work, view), encoding="cp1251").read()
    check(not re.search(r"^\s*-?(inf|nan)", source, re.I | re.M), view + ": non-finite number")
pdf = open(work + "/cut.pdf", "rb").read()
box = re.search(rb"/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\]", pdf)
# A4 in points: 210 / 25.4 * 72 = 595.3, 297 / 25.4 * 72 = 841.9.
check(box and abs(float(box.group(1)) - 595.3) < 1 and abs(float(box.group(2)) - 841.9) < 1,
      "PDF page not A4: %r" % (box.group(0) if box else None))
for line in bad:
    print("FAIL: " + line, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
