"""Writes the expected entity dumps of two classic drawings from the drawing rules alone,
without the program: the cut view with closed ends (cut_2) and the section view with 3/4
closed, ground ends (section_4), both D0 = 20, d = 2, t = 6, n = 5 from the start point
(10, 5). Usage: independent.py (writes cut_2/expected.dump, section_4/expected.dump)."""
import math
import os

D0, d, t, n = 20.0, 2.0, 6.0, 5
SX, SY = 10.0, 5.0
HERE = os.path.dirname(os.path.abspath(__file__))


def num(value):
    text = "%.3f" % value
    return "0.000" if text == "-0.000" else text


def ang(radians):
    degrees = math.degrees(radians)
    return num(round(degrees % 360.0, 3) % 360.0)


def line(a, b):
    return ("L", a, b)


def circle(c, r):
    return ("C", c, r)


def arc(c, r, a1, a2):
    return ("A", c, r, a1, a2)


def turned(entity, cx, cy):
    """The half-turn copy about (cx, cy)."""
    flip = lambda p: (2 * cx - p[0], 2 * cy - p[1])
    if entity[0] == "L":
        return line(flip(entity[1]), flip(entity[2]))
    if entity[0] == "C":
        return circle(flip(entity[1]), entity[2])
    return arc(flip(entity[1]), entity[2], entity[3] + math.pi, entity[4] + math.pi)


def text(entities):
    out = []
    for e in entities:
        if e[0] == "L":
            out.append("LINE %s %s %s %s" % (num(e[1][0]), num(e[1][1]), num(e[2][0]), num(e[2][1])))
        elif e[0] == "C":
            out.append("CIRCLE %s %s %s" % (num(e[1][0]), num(e[1][1]), num(e[2])))
        else:
            out.append("ARC %s %s %s %s %s" % (num(e[1][0]), num(e[1][1]), num(e[2]), ang(e[3]),
                                               ang(e[4])))
    return "\n".join(out) + "\n"


def cut_closed():
    # The first working coil's top lies the end allowance 1.5 d right of the start; each
    # coil is two sections, its top one and its bottom one half a pitch on and D0 below.
    ix = SX + 1.5 * d
    out = []
    for k in range(n):
        x = ix + k * t
        out += [circle((x, SY + D0 / 2), d / 2), circle((x + t / 2, SY - D0 / 2), d / 2)]
    last_bottom = ix + (n - 1) * t + t / 2
    # The closed end: its bottom section half a wire left of the first top, its top one a
    # whole wire left; the far end is their half turn about the middle.
    end = [circle((ix - d / 2, SY - D0 / 2), d / 2), circle((ix - d, SY + D0 / 2), d / 2)]
    cx = (last_bottom + ix) / 2
    return out + end + [turned(e, cx, SY) for e in end]


def section_three_quarter():
    ix = SX + 0.5 * d
    tilt = math.atan(t / (2 * D0))
    ox, oy = math.cos(tilt) * d / 2, math.sin(tilt) * d / 2
    out = []
    for k in range(n):
        p0 = (ix + k * t, SY + D0 / 2)
        p1 = (p0[0] + t / 2, p0[1] - D0)
        # The front band's two edges, then the two wire sections.
        out += [line((p0[0] - ox, p0[1] - oy), (p1[0] - ox, p1[1] - oy)),
                line((p0[0] + ox, p0[1] + oy), (p1[0] + ox, p1[1] + oy)),
                circle(p0, d / 2), circle(p1, d / 2)]
    last_bottom = ix + (n - 1) * t + t / 2
    # The end's bottom section ground to its centre: the vertical diameter and the right
    # half; the section view's four end slots hold the diameter three times.
    b = (ix - d / 2, SY - D0 / 2)
    diameter = line((b[0], b[1] - d / 2), (b[0], b[1] + d / 2))
    half = arc(b, d / 2, -math.pi / 2, math.pi / 2)
    cx = (last_bottom + ix) / 2
    end = [diameter, half]
    return out + end + [turned(e, cx, SY) for e in (diameter, half, diameter, diameter)]


for name, entities in (("cut_2", cut_closed()), ("section_4", section_three_quarter())):
    os.makedirs(os.path.join(HERE, name), exist_ok=True)
    with open(os.path.join(HERE, name, "expected.dump"), "w") as f:
        f.write(text(entities))
