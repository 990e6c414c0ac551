#!/usr/bin/env python3
"""Draws the program's PNG icons (dist/icons/torvelix-<size>.png) with ImageMagick.

The large sizes (48 px and up) follow the SVG icon: a blue tile, the two end plates,
a five-coil spring and a yellow T. At 16, 24 and 32 px there is no room for the T or
for five coils: the tile keeps the plates and a spring of two coils (three at 32 px) with lines a whole
pixel wide on pixel centres, so that it reads as a spring at 16 px.
Usage: tools/draw_icons.py [OUT-FOLDER]
"""
import os
import subprocess
import sys

SIZES = (16, 24, 32, 48, 64, 128, 256)
BLUE_DARK, BLUE_LIGHT, EDGE = "#284696", "#96bef0", "#142864"


def zigzag(top, bottom, left, right, coils, centre):
    """Points of a side-view spring: half a coil in from the centre at each end."""
    steps = 2 * coils
    pitch = (bottom - top) / (steps + 1)
    points = [(centre, top)]
    for k in range(steps):
        points.append((left if k % 2 == 0 else right, top + pitch * (k + 1)))
    points.append((centre, bottom))
    return points


def polyline(points):
    return "polyline " + " ".join(f"{x:.2f},{y:.2f}" for x, y in points)


def small_icon(size):
    """Tile, plates and a three-coil spring on whole pixels."""
    line = 1 if size < 24 else 2 if size == 32 else 1.5
    edge = size - 1
    inset = max(2, round(size * 0.2))
    top, bottom = inset + 0.5, edge - inset + 0.5
    left, right = inset + 0.5, edge - inset + 0.5
    centre = size / 2
    radius = max(2, size // 6)
    coils = 2 if size < 32 else 3
    return [
        "-fill", BLUE_DARK, "-stroke", EDGE, "-strokewidth", "1",
        "-draw", f"roundrectangle 0.5,0.5 {edge - 0.5},{edge - 0.5} {radius},{radius}",
        "-fill", "none", "-stroke", "white", "-strokewidth", str(line),
        "-draw", f"line {left},{top} {right},{top}",
        "-draw", f"line {left},{bottom} {right},{bottom}",
        "-draw", polyline(zigzag(top + line, bottom - line, left + 1, right - 1, coils, centre)),
    ]


def large_icon(size):
    """The SVG icon's drawing scaled from its 100-unit box."""
    k = size / 100

    def p(x, y):
        return f"{x * k:.2f},{y * k:.2f}"

    letter = [(41.22, 66), (41.22, 63.28), (45.67, 63.28), (45.67, 35.55), (36.48, 35.55),
              (36.48, 40.84), (33.41, 40.84), (33.41, 32.47), (66.66, 32.47), (66.66, 40.84),
              (63.62, 40.84), (63.62, 35.55), (54.36, 35.55), (54.36, 63.28), (58.83, 63.28),
              (58.83, 66)]
    spring = [(50, 16)] + [(28 if i % 2 == 0 else 72, 16 + (68 / 7) * (i + 0.5))
                           for i in range(7)] + [(50, 84)]
    return [
        "(", "-size", f"{size}x{size}", "gradient:" + BLUE_DARK + "-" + BLUE_LIGHT,
        "-alpha", "set", ")",
        "(", "-size", f"{size}x{size}", "xc:none", "-fill", "white",
        "-draw", f"roundrectangle {p(3, 3)} {p(97, 97)} {14 * k:.2f},{14 * k:.2f}", ")",
        "-compose", "DstIn", "-composite", "-compose", "Over",
        "-fill", "none", "-stroke", EDGE, "-strokewidth", f"{2 * k:.2f}",
        "-draw", f"roundrectangle {p(3, 3)} {p(97, 97)} {14 * k:.2f},{14 * k:.2f}",
        "-stroke", "white", "-strokewidth", f"{4 * k:.2f}",
        "-draw", f"line {p(22, 16)} {p(78, 16)}", "-draw", f"line {p(22, 84)} {p(78, 84)}",
        "-stroke", "#ffffffaa", "-strokewidth", f"{5 * k:.2f}",
        "-draw", "polyline " + " ".join(p(x, y) for x, y in spring),
        "-fill", "#ffcd32", "-stroke", "#141e50", "-strokewidth", f"{3 * k:.2f}",
        "-draw", "polygon " + " ".join(p(x, y) for x, y in letter),
    ]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "dist", "icons")
    os.makedirs(out, exist_ok=True)
    for size in SIZES:
        if size <= 32:
            body = ["-size", f"{size}x{size}", "xc:none"] + small_icon(size)
        else:
            body = large_icon(size)
        target = os.path.join(out, f"torvelix-{size}.png")
        # No time stamps or other chunks that would differ between runs.
        subprocess.run(["convert"] + body + ["-strip", "-define", "png:exclude-chunks=date,time",
                        "PNG32:" + target], check=True)


if __name__ == "__main__":
    main()
