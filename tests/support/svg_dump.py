#!/usr/bin/python3
# Parses an SVG file with the standard XML parser and prints the page size and one line
# per drawn element with its attributes, for the tests of the SVG writer.
import sys
import xml.etree.ElementTree as ET

NS = "{http://www.w3.org/2000/svg}"

root = ET.parse(sys.argv[1]).getroot()
print("SVG", root.get("width"), root.get("height"), root.get("viewBox"))
for element in root.iter():
    tag = element.tag.replace(NS, "")
    if tag == "line":
        print("line", *(element.get(k) for k in ("x1", "y1", "x2", "y2")))
    elif tag == "circle":
        print("circle", *(element.get(k) for k in ("cx", "cy", "r")))
    elif tag == "path":
        print("path", element.get("d"))
    elif tag == "text":
        print("text", element.get("x"), element.get("y"), element.text)
