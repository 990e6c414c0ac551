#!/usr/bin/python3
# Reads a DXF file with ezdxf (an independent reader) and prints what the tests check:
# the header values, the audit verdict, then one line per entity of model space and of
# the active paper-space layout, texts as a CAD program shows them (escapes decoded).
# Run with the system interpreter, which has python3-ezdxf.
import sys

import ezdxf
from ezdxf.tools.text import plain_text


def fmt(value):
    text = "%.6f" % value
    return "0.000000" if text == "-0.000000" else text


def point(p):
    return " ".join(fmt(c) for c in (p[0], p[1], p[2]))


def dump(space_name, layout):
    for e in layout:
        kind = e.dxftype()
        if kind == "LINE":
            print("LINE", space_name, point(e.dxf.start), point(e.dxf.end))
        elif kind == "ARC":
            print("ARC", space_name, point(e.dxf.center), fmt(e.dxf.radius),
                  fmt(e.dxf.start_angle), fmt(e.dxf.end_angle))
        elif kind == "CIRCLE":
            print("CIRCLE", space_name, point(e.dxf.center), fmt(e.dxf.radius))
        elif kind == "TEXT":
            print("TEXT", space_name, point(e.dxf.insert), fmt(e.dxf.height),
                  fmt(e.dxf.rotation), plain_text(ezdxf.decode_dxf_unicode(e.dxf.text)))
        else:
            print("OTHER", space_name, kind)


def main():
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    print("VERSION", doc.dxfversion)
    print("CODEPAGE", doc.header.get("$DWGCODEPAGE", ""))
    print("TILEMODE", doc.header.get("$TILEMODE", ""))
    print("DIMSCALE", fmt(doc.header.get("$DIMSCALE", 0.0)))
    print("AUDIT_ERRORS", len(auditor.errors))
    view = doc.viewports.get("*Active")[0]
    print("VIEW", fmt(view.dxf.center[0]), fmt(view.dxf.center[1]), fmt(view.dxf.height))
    dump("model", doc.modelspace())
    dump("paper", doc.layouts.active_layout())


if __name__ == "__main__":
    main()
