"""Reads the DXF files that `torvelix draw` writes with ezdxf, an independent reader,
and measures them: entity counts per space, X extents, point symmetry, texts."""
import math
import sys

import ezdxf

FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print("FAIL: " + message, file=sys.stderr)


def finish():
    if FAILURES:
        print("%d check(s) failed" % len(FAILURES), file=sys.stderr)
        sys.exit(1)


def load(path):
    doc = ezdxf.readfile(path)
    return doc


def shapes(doc, space="model"):
    layout = doc.modelspace() if space == "model" else doc.layout("Layout1")
    return [e for e in layout if e.dxftype() in ("LINE", "ARC", "CIRCLE")]


def texts(doc, space="model"):
    layout = doc.modelspace() if space == "model" else doc.layout("Layout1")
    return [e for e in layout if e.dxftype() == "TEXT"]


def _on_arc(angle, start, end):
    span = (end - start) % 360.0 or 360.0
    return (angle - start) % 360.0 <= span + 1e-9


def x_extent(entity):
    kind = entity.dxftype()
    if kind == "LINE":
        xs = (entity.dxf.start[0], entity.dxf.end[0])
        return min(xs), max(xs)
    cx, r = entity.dxf.center[0], entity.dxf.radius
    if kind == "CIRCLE":
        return cx - r, cx + r
    s, e = entity.dxf.start_angle, entity.dxf.end_angle
    xs = [cx + r * math.cos(math.radians(s)), cx + r * math.cos(math.radians(e))]
    if _on_arc(180.0, s, e):
        xs.append(cx - r)
    if _on_arc(0.0, s, e):
        xs.append(cx + r)
    return min(xs), max(xs)


def extents(entities):
    lows, highs = zip(*(x_extent(e) for e in entities))
    return min(lows), max(highs)


def _key(entity, centre=None):
    def turn(p):
        if centre is None:
            return p[0], p[1]
        return 2 * centre[0] - p[0], 2 * centre[1] - p[1]

    def r(v):
        return round(v, 5) + 0.0

    kind = entity.dxftype()
    if kind == "LINE":
        a, b = turn(entity.dxf.start), turn(entity.dxf.end)
        return ("L",) + tuple(sorted([(r(a[0]), r(a[1])), (r(b[0]), r(b[1]))]))
    c = turn(entity.dxf.center)
    if kind == "CIRCLE":
        return ("C", r(c[0]), r(c[1]), r(entity.dxf.radius))
    extra = 180.0 if centre is not None else 0.0
    s = round((entity.dxf.start_angle + extra) % 360.0, 3) % 360.0
    e = round((entity.dxf.end_angle + extra) % 360.0, 3) % 360.0
    return ("A", r(c[0]), r(c[1]), r(entity.dxf.radius), s, e)


def point_symmetric(entities, centre):
    """Whether the drawing is its own half turn about centre (coincident copies count once)."""
    own = {_key(e) for e in entities}
    turned = {_key(e, centre) for e in entities}
    return own == turned


def end_allowance(end_type, t, d, d0):
    tilt = math.atan(t / (2 * d0))
    return {1: 0.75 * t + d / (2 * math.cos(tilt)), 2: 1.5 * d, 3: 0.75 * d, 4: 0.5 * d}[end_type]
