"""The entities of a DXF file's model space, one line each in file order, numbers rounded
to three decimals (angles in degrees, from 0 to 360): the form the drawing cases compare.
Usage: dump_dxf.py FILE.dxf > FILE.dump"""
import sys

import ezdxf


def num(value):
    text = "%.3f" % value
    return "0.000" if text == "-0.000" else text


def angle(degrees):
    return num(round(degrees % 360.0, 3) % 360.0)


def dump(path):
    lines = []
    for e in ezdxf.readfile(path).modelspace():
        kind = e.dxftype()
        if kind == "LINE":
            s, t = e.dxf.start, e.dxf.end
            lines.append("LINE %s %s %s %s" % (num(s[0]), num(s[1]), num(t[0]), num(t[1])))
        elif kind == "CIRCLE":
            c = e.dxf.center
            lines.append("CIRCLE %s %s %s" % (num(c[0]), num(c[1]), num(e.dxf.radius)))
        elif kind == "ARC":
            c = e.dxf.center
            lines.append("ARC %s %s %s %s %s" % (num(c[0]), num(c[1]), num(e.dxf.radius),
                                                 angle(e.dxf.start_angle), angle(e.dxf.end_angle)))
        elif kind == "TEXT":
            p = e.dxf.insert
            lines.append("TEXT %s %s %s %s" % (num(p[0]), num(p[1]), num(e.dxf.height), e.dxf.text))
        else:
            lines.append(kind)
    return lines


if __name__ == "__main__":
    print("\n".join(dump(sys.argv[1])))
