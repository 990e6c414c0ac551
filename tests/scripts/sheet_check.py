"""Draws complete drawings (--eskd) of springs from one coil to 255 with `torvelix draw`
and reads them back with ezdxf, an independent reader: everything inside the frame, the
spring drawn as long as L0 at the sheet's scale, standard sheets and scales, title-block
texts inside their cells by the font's own metrics, no two texts overlapping, PDF pages of
a standard size. Usage: sheet_check.py TORVELIX WORKDIR"""
import itertools
import math
import os
import re
import subprocess
import sys

import ezdxf
from fontTools.ttLib import TTFont

EXE, WORK = sys.argv[1], sys.argv[2]
FAILURES = []


def check(ok, message):
    if not ok:
        FAILURES.append(message)
        print("FAIL: " + message, file=sys.stderr)


# The font the drawing's text style names has Arial's metrics: Liberation Sans.
FONT = TTFont("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf")
CMAP = FONT.getBestCmap()
HMTX = FONT["hmtx"]
CAP = FONT["OS/2"].sCapHeight


def text_width(text, height):
    units = 0
    for ch in text:
        code = 0xD8 if ord(ch) == 0x2300 else ord(ch)
        units += HMTX[CMAP[code]][0] if code in CMAP else 2048
    return units / CAP * height


# Sheets by GOST 2.301 (portrait A4, landscape others) and the standard scales, GOST 2.302.
FORMATS = {"A4": (210, 297), "A3": (420, 297), "A2": (594, 420), "A1": (841, 594)}
SCALES = [50, 40, 20, 10, 5, 4, 2.5, 2, 1, 1 / 2, 1 / 2.5, 1 / 4, 1 / 5, 1 / 10, 1 / 15,
          1 / 20, 1 / 25, 1 / 40, 1 / 50, 1 / 100]

# The title block of form 1 (GOST 2.104), 185 x 55 mm, its cells as (left, bottom, right,
# top) from its lower-left corner: the captions' row, the signatures' column, the name,
# material, letter, mass, scale and sheet cells.
CELLS = [(x1, 30, x2, 35) for x1, x2 in ((0, 7), (7, 17), (17, 40), (40, 55), (55, 65))]
CELLS += [(0, y, 17, y + 5) for y in range(0, 30, 5)]
CELLS += [(65, 15, 135, 40), (65, 0, 135, 15), (135, 35, 150, 40), (150, 35, 167, 40),
          (167, 35, 185, 40), (135, 20, 150, 35), (150, 20, 167, 35), (167, 20, 185, 35),
          (135, 15, 155, 20), (155, 15, 185, 20), (65, 40, 185, 55), (135, 0, 185, 15)]


def draw(args, out):
    result = subprocess.run([EXE, "draw", "--eskd"] + args + ["-o", out],
                            capture_output=True, text=True)
    return result.returncode, result.stderr


def text_box(x, y, width, height, rotation):
    """The bounds of a text's letters (capitals, and 0.21 of the height below the line)."""
    c, s = math.cos(math.radians(rotation)), math.sin(math.radians(rotation))
    corners = [(u, v) for u in (0, width) for v in (-0.21 * height, height)]
    pts = [(x + u * c - v * s, y + u * s + v * c) for u, v in corners]
    xs, ys = zip(*pts)
    return min(xs), min(ys), max(xs), max(ys)


def inside(box, outer, tol):
    return (box[0] >= outer[0] - tol and box[1] >= outer[1] - tol and box[2] <= outer[2] + tol
            and box[3] <= outer[3] + tol)


def overlap(a, b, tol):
    return a[0] < b[2] - tol and b[0] < a[2] - tol and a[1] < b[3] - tol and b[1] < a[3] - tol


def shape_box(e):
    kind = e.dxftype()
    if kind == "LINE":
        (x1, y1, _), (x2, y2, _) = e.dxf.start, e.dxf.end
        return min(x1, x2), min(y1, y2), max(x1, x2), max(y1, y2)
    if kind in ("CIRCLE", "ARC"):
        cx, cy, _ = e.dxf.center
        r = e.dxf.radius
        if kind == "CIRCLE":
            return cx - r, cy - r, cx + r, cy + r
        pts = [e.start_point, e.end_point]
        s, t = e.dxf.start_angle % 360, e.dxf.end_angle % 360
        span = (t - s) % 360 or 360
        for q in (0, 90, 180, 270):
            if (q - s) % 360 <= span:
                pts.append((cx + r * math.cos(math.radians(q)), cy + r * math.sin(math.radians(q))))
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        return min(xs), min(ys), max(xs), max(ys)
    if kind == "SOLID":
        pts = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2]
        return (min(p[0] for p in pts), min(p[1] for p in pts), max(p[0] for p in pts),
                max(p[1] for p in pts))
    return None


def measure(name, path, request):
    """Checks one sheet; returns its format and scale."""
    doc = ezdxf.readfile(path)
    msp = doc.modelspace()
    k = 1 / doc.header["$DIMSCALE"]
    frame = [e for e in msp.query('LINE[layer=="Рамка"]')]
    edge = [e for e in msp.query('LINE[layer=="Надписи"]')]
    fx = [p[0] for e in frame for p in (e.dxf.start, e.dxf.end)]
    fy = [p[1] for e in frame for p in (e.dxf.start, e.dxf.end)]
    ex = [p[0] for e in edge for p in (e.dxf.start, e.dxf.end)]
    ey = [p[1] for e in edge for p in (e.dxf.start, e.dxf.end)]
    corner = (min(ex), min(ey))
    size = ((max(ex) - min(ex)) * k, (max(ey) - min(ey)) * k)
    fmt = [f for f, (w, h) in FORMATS.items() if abs(size[0] - w) < 0.01 and abs(size[1] - h) < 0.01]
    check(len(fmt) == 1, "%s: sheet of %.2f x %.2f mm is no standard format" % (name, *size))
    check(any(abs(k - s) < 1e-9 for s in SCALES), "%s: scale %g is not standard" % (name, k))
    paper = lambda x, y: ((x - corner[0]) * k, (y - corner[1]) * k)
    inner = (min(fx), min(fy), max(fx), max(fy))
    inner = paper(inner[0], inner[1]) + paper(inner[2], inner[3])
    check(abs(inner[0] - 20) < 0.01 and abs(inner[1] - 5) < 0.01, name + ": frame not 20/5 mm in")
    tol = 0.01

    def paper_box(b):
        return paper(b[0], b[1]) + paper(b[2], b[3])

    # The outline, the diagram and every dimension's lines and arrows inside the frame.
    drawn = []
    for e in msp:
        layer = e.dxf.layer
        if layer in ("Контур", "Диаграмма", "Штриховка", "Оси") and shape_box(e):
            check(inside(paper_box(shape_box(e)), inner, tol),
                  "%s: %s %s outside the frame" % (name, layer, e.dxftype()))
        if layer == "Контур" and shape_box(e):
            drawn.append(shape_box(e))
    texts = []
    for dim in msp.query("DIMENSION"):
        for v in dim.virtual_entities():
            if v.dxftype() in ("TEXT", "MTEXT"):
                content = v.dxf.text if v.dxftype() == "TEXT" else v.plain_text()
                x, y = v.dxf.insert[0], v.dxf.insert[1]
                h = v.dxf.height if v.dxftype() == "TEXT" else v.dxf.char_height
                rot = v.dxf.get("rotation", 0)
                box = text_box(x, y, text_width(content, h), h, rot)
                texts.append((content, paper_box(box)))
                check("." not in content, "%s: dimension text %r with a point" % (name, content))
            elif shape_box(v):
                check(inside(paper_box(shape_box(v)), inner, tol),
                      "%s: a dimension's %s outside the frame" % (name, v.dxftype()))
    title = (inner[2] - 185, 5, inner[2], 60)
    requirements = []
    for t in msp.query("TEXT"):
        x, y = paper(t.dxf.insert[0], t.dxf.insert[1])
        h = t.dxf.height * k
        box = text_box(x, y, text_width(t.dxf.text, h), h, t.dxf.get("rotation", 0))
        texts.append((t.dxf.text, box))
        check(inside(box, inner, tol), "%s: text %r outside the frame" % (name, t.dxf.text))
        if inside((x, y, x, y), title, 0):
            cell = [c for c in CELLS if title[0] + c[0] <= x <= title[0] + c[2]
                    and title[1] + c[1] <= y <= title[1] + c[3]]
            check(cell and inside(box, (title[0] + cell[0][0], title[1] + cell[0][1],
                                        title[0] + cell[0][2], title[1] + cell[0][3]), tol),
                  "%s: title-block text %r outside its cell" % (name, t.dxf.text))
        elif y > 60 and x < title[0] + 20 and box[1] < 60 + 6 * 30:
            requirements.append(box)
    for box in requirements:
        check(box[0] >= inner[0] + 1, name + ": a requirement line on the frame's line")
    for (ta, a), (tb, b) in itertools.combinations(texts, 2):
        check(not overlap(a, b, 0.05), "%s: texts %r and %r overlap" % (name, ta, tb))
    # Drawn length: true to L0 at the sheet's scale; a break may only shorten it.
    length = (max(b[2] for b in drawn) - min(b[0] for b in drawn)) * k
    want = request["L0"] * k
    if request["whole"]:
        check(abs(length - want) <= 0.1, "%s: drawn %.3f mm, L0 is %.3f mm on paper"
              % (name, length, want))
    else:
        check(length <= want + 0.1, "%s: drawn %.3f mm beyond L0 %.3f mm" % (name, length, want))
    return fmt[0] if fmt else None, k


# End types with their support and ground coils (as the inputs page sets them) give the
# free length L0 = n t + (n2 + 1 - n3) d of GOST 13765.
EXTRA = {1: 1.0, 2: 3.0, 3: 1.5, 4: 1.0}
SPRINGS = [(40, 4, 12), (10.2, 1.8, 2.89), (2, 0.3, 0.5), (0.5, 0.1, 0.2), (300, 30, 60)]
tt = os.path.join(WORK, "tt.txt")
with open(tt, "w", encoding="utf-8") as f:
    f.write("items=1,2,3,10,11\ne6Num=383\ncomb6Gost=ГОСТ 13766-86\ne6G=78500\ne6Tau=618\n"
            "e6TT=ГОСТ 13764-86 и ГОСТ 16118-70 с учетом требований к пружинам класса I, "
            "разряда 1 и группы точности 2 по всем параметрам\n")
count = 0
sheets = {}
for (d0, d, t), view, n in itertools.product(SPRINGS, ("broken", "full", "section", "cut"),
                                             (1, 2, 3, 5, 8, 60, 255)):
    for coils in ((1, 2) if view == "broken" else (2,)):
        ends = 1 + count % 4
        count += 1
        l0 = n * t + EXTRA[ends] * d
        s3 = n * (t - d)
        args = ["--view", view, "--ends", str(ends), "--D0", repr(d0), "--d", repr(d),
                "--t", repr(t), "--n", str(n), "--L0", repr(l0), "--start", "100,50",
                "--break-coils", str(coils), "--tt", tt,
                "--material", "Сталь горячекатаная круглая по ГОСТ 2590-71", "--mass", "0,00622"]
        if view == "broken":
            args += ["--diagram", "--L1", repr(l0 - 0.2 * s3), "--L2", repr(l0 - 0.8 * s3),
                     "--L3", repr(l0 - s3), "--F1", "20", "--F2", "80", "--F3", "100"]
        name = "%s-n%d-c%d-e%d-D%g" % (view, n, coils, ends, d0)
        path = os.path.join(WORK, name + ".dxf")
        code, err = draw(args, path)
        check(code == 0, "%s: refused: %s" % (name, err.strip()))
        if code != 0:
            continue
        whole = view != "broken" or n <= 2 * coils + 1
        sheets[name] = measure(name, path, {"L0": l0, "whole": whole})
        if name in ("broken-n60-c2-e4-D40", "full-n3-c2-e2-D40", "cut-n255-c2-e3-D10.2"):
            pdf = os.path.join(WORK, name + ".pdf")
            code, err = draw(args, pdf)
            box = re.search(rb"/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\]", open(pdf, "rb").read())
            w, h = FORMATS[sheets[name][0]]
            check(box and abs(float(box.group(1)) - w / 25.4 * 72) < 0.5
                  and abs(float(box.group(2)) - h / 25.4 * 72) < 0.5,
                  "%s: PDF page %r, the sheet is %s" % (name, box and box.group(0), sheets[name][0]))

# A long spring keeps a readable scale with its break: wire at least 1 mm on paper.
long = [v for name, v in sheets.items() if name.startswith("broken-n60-") and name.endswith("D40")]
check(len(long) == 2 and all(4 * k >= 1 for fmt, k in long),
      "the 60-coil spring's wire on paper: %r" % [4 * k for fmt, k in long])
# A spring no sheet up to A1 holds at any standard scale: 81 m across is 810 mm at 1:100,
# more than the 584 mm inside A1's frame.
code, err = draw(["--view", "full", "--ends", "2", "--D0", "80000", "--d", "1000", "--t",
                  "3000", "--n", "3", "--L0", "12000"], os.path.join(WORK, "huge.dxf"))
check(code == 1 and "A1" in err and "1:100" in err, "huge spring: %d %r" % (code, err))
print("%d sheets checked" % len(sheets))
sys.exit(1 if FAILURES else 0)
