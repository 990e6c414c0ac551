"""Independent check of a report .docx with python-docx.

Usage: /usr/bin/python3 docx_check.py DOCUMENT.docx EXPECTED.txt

EXPECTED.txt holds the report lines in UTF-8, each ended by a line feed (an empty
file: no lines). The document must hold one paragraph per line with exactly that
text, then one empty paragraph; every run and every paragraph mark must be
Courier New (ascii, hAnsi, cs) 12 point. Prints every difference; exit status 1
when there is one, 2 when the files cannot be read.
"""
import sys

import docx
from docx.oxml.ns import qn
from docx.shared import Pt

FONT = "Courier New"
SIZE_HALF_POINTS = "24"


def font_problems(rpr, where):
    if rpr is None:
        return [f"{where}: no character formatting"]
    problems = []
    fonts = rpr.find(qn("w:rFonts"))
    for attribute in ("w:ascii", "w:hAnsi", "w:cs"):
        value = None if fonts is None else fonts.get(qn(attribute))
        if value != FONT:
            problems.append(f"{where}: {attribute} is {value!r}, not {FONT!r}")
    size = rpr.find(qn("w:sz"))
    value = None if size is None else size.get(qn("w:val"))
    if value != SIZE_HALF_POINTS:
        problems.append(f"{where}: w:sz is {value!r}, not {SIZE_HALF_POINTS!r}")
    return problems


def check(document_path, expected_path):
    with open(expected_path, "rb") as expected_file:
        content = expected_file.read().decode("utf-8")
    if content and not content.endswith("\n"):
        raise ValueError(f"{expected_path}: the last line has no line feed")
    expected = content.split("\n")[:-1] if content else []

    paragraphs = docx.Document(document_path).paragraphs
    problems = []
    if len(paragraphs) != len(expected) + 1:
        problems.append(
            f"{len(paragraphs)} paragraphs, expected {len(expected)} lines + 1 empty")
    for index, paragraph in enumerate(paragraphs):
        where = f"paragraph {index + 1}"
        wanted = expected[index] if index < len(expected) else ""
        if paragraph.text != wanted:
            problems.append(f"{where}: text {paragraph.text!r}, expected {wanted!r}")
        ppr = paragraph._p.pPr
        problems += font_problems(None if ppr is None else ppr.find(qn("w:rPr")),
                                  f"{where} mark")
        for number, run in enumerate(paragraph.runs):
            run_where = f"{where} run {number + 1}"
            problems += font_problems(run._r.rPr, run_where)
            if run.font.name != FONT or run.font.size != Pt(12):
                problems.append(f"{run_where}: python-docx reads {run.font.name!r} "
                                f"{run.font.size}")
        if wanted and not paragraph.runs:
            problems.append(f"{where}: no runs")
    return problems


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        problems = check(sys.argv[1], sys.argv[2])
    except Exception as error:  # any unreadable input is a failed check
        print(f"cannot check {sys.argv[1]}: {error}", file=sys.stderr)
        return 2
    for problem in problems[:20]:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
