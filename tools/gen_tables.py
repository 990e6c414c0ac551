#!/usr/bin/python3
"""Writes the thirteen standard tables (data/*.dat) from the published facts of
GOST 9389-75 and GOST 13764-86, computing the spring tables by the method of
GOST 13765-86. Run by a developer: /usr/bin/python3 tools/gen_tables.py [--out DIR]."""

import argparse
import functools
import math
import os
import sys
import zlib
from decimal import ROUND_DOWN, ROUND_HALF_UP, Decimal

G_MPA = 78500.0
STEEL_DENSITY_G_PER_CM3 = 7.85
CABLE_PER_WIRE = 2.155  # cable diameter d1 of three wires of diameter d: d1 = 2.155 d
INDEX_MIN = 4.0
INDEX_MAX = 12.0
INDEX_SLACK = 1e-9  # (D1 - d) / d of an exact index may come out a hair off in binary
LINE_END = b"\r\n"
# The free pitch of a three-strand row, d1 x strand factor + s3', as a share of the mean
# diameter D = D1 - d1: inside the range of the single-strand tables (0.24 .. 0.63 D)
# and below the 0.7 D that `torvelix check-tables` allows.
THREE_STRAND_PITCH_RATIO = 0.6

# R40 series of preferred numbers, one decade in hundredths (1.00 .. 9.50).
R40_DECADE = [100, 106, 112, 118, 125, 132, 140, 150, 160, 170, 180, 190, 200, 212,
              224, 236, 250, 265, 280, 300, 315, 335, 355, 375, 400, 425, 450, 475,
              500, 530, 560, 600, 630, 670, 710, 750, 800, 850, 900, 950]

# Ra40 series of normal linear sizes, one decade in hundredths (1.0 .. 9.5).
RA40_DECADE = [100, 105, 110, 115, 120, 130, 140, 150, 160, 170, 180, 190, 200, 210,
               220, 240, 250, 260, 280, 300, 320, 340, 360, 380, 400, 420, 450, 480,
               500, 530, 560, 600, 630, 670, 710, 750, 800, 850, 900, 950]

# Tensile strength of GOST 9389-75 wire, MPa: d, class 1 lower-upper, class 2/2A
# lower-upper, class 3 lower-upper, published?  (4.00: only class 1 lower is published.)
WIRE_9389 = [
    ("0.14", 2690, 2980, 2300, 2690, 1810, 2300, False),
    ("0.15", 2690, 2980, 2300, 2690, 1810, 2300, False),
    ("0.16", 2680, 2970, 2290, 2680, 1800, 2290, False),
    ("0.18", 2660, 2950, 2270, 2660, 1780, 2270, False),
    ("0.20", 2650, 2940, 2260, 2650, 1770, 2260, False),
    ("0.22", 2640, 2930, 2250, 2640, 1760, 2250, False),
    ("0.25", 2620, 2910, 2230, 2620, 1740, 2230, False),
    ("0.28", 2610, 2900, 2220, 2610, 1730, 2220, False),
    ("0.30", 2600, 2890, 2210, 2600, 1720, 2210, False),
    ("0.32", 2590, 2880, 2200, 2590, 1710, 2200, False),
    ("0.36", 2580, 2870, 2190, 2580, 1700, 2190, False),
    ("0.40", 2560, 2850, 2170, 2560, 1680, 2170, False),
    ("0.45", 2550, 2840, 2160, 2550, 1670, 2160, False),
    ("0.50", 2540, 2830, 2150, 2540, 1660, 2150, False),
    ("0.56", 2520, 2810, 2130, 2520, 1640, 2130, False),
    ("0.60", 2510, 2800, 2120, 2510, 1630, 2120, False),
    ("0.63", 2510, 2800, 2120, 2510, 1630, 2120, False),
    ("0.70", 2490, 2780, 2100, 2490, 1610, 2100, False),
    ("0.80", 2480, 2770, 2090, 2480, 1600, 2090, False),
    ("0.90", 2460, 2750, 2070, 2460, 1580, 2070, False),
    ("1.00", 2450, 2740, 2060, 2450, 1570, 2060, True),
    ("1.10", 2400, 2700, 2010, 2400, 1520, 2010, True),
    ("1.20", 2350, 2650, 1960, 2350, 1520, 1960, True),
    ("1.30", 2300, 2600, 1960, 2300, 1520, 1960, True),
    ("1.40", 2260, 2550, 1960, 2260, 1470, 1960, True),
    ("1.50", 2210, 2500, 1860, 2210, 1420, 1860, True),
    ("1.60", 2160, 2450, 1860, 2160, 1420, 1860, True),
    ("1.70", 2060, 2350, 1770, 2060, 1370, 1770, True),
    ("1.80", 2060, 2350, 1770, 2060, 1370, 1770, True),
    ("1.90", 2010, 2300, 1770, 2010, 1370, 1770, True),
    ("2.00", 2010, 2260, 1770, 2010, 1370, 1770, True),
    ("2.10", 1960, 2210, 1720, 1960, 1370, 1720, True),
    ("2.20", 1910, 2160, 1670, 1910, 1320, 1670, True),
    ("2.30", 1910, 2160, 1670, 1910, 1320, 1670, True),
    ("2.50", 1810, 2060, 1620, 1860, 1270, 1620, True),
    ("2.80", 1770, 2010, 1620, 1860, 1270, 1620, True),
    ("3.00", 1720, 1960, 1620, 1860, 1270, 1620, True),
    ("3.20", 1720, 1960, 1520, 1770, 1230, 1520, True),
    ("3.50", 1670, 1910, 1520, 1770, 1230, 1520, True),
    ("3.60", 1670, 1910, 1520, 1770, 1230, 1520, True),
    ("4.00", 1620, 1860, 1470, 1620, 1180, 1470, False),
    ("4.20", 1600, 1840, 1450, 1600, 1160, 1450, False),
    ("4.50", 1570, 1810, 1420, 1570, 1130, 1420, False),
    ("5.00", 1520, 1760, 1370, 1520, 1080, 1370, False),
    ("5.60", 1470, 1710, 1320, 1470, 1030, 1320, False),
    ("6.00", 1420, 1660, 1270, 1420, 980, 1270, False),
    ("6.30", 1420, 1660, 1270, 1420, 980, 1270, False),
    ("7.00", 1370, 1610, 1220, 1370, 930, 1220, False),
    ("8.00", 1320, 1560, 1170, 1320, 880, 1170, False),
]

# Wire of GOST 14963-78 and hot-rolled bar of GOST 2590-71, as their standards write
# the diameters. Their rows of the wire table carry the estimated tensile strength of
# the hardened spring steel (see BLANK_STEEL_RM) in every class column.
WIRE_14963 = ["3.0", "3.2", "3.5", "3.6", "4.0", "4.5", "5.0", "5.5", "6.0", "6.3",
              "7.0", "8.0", "9.0", "10", "11", "12"]
BAR_2590 = ["14", "15", "16", "17", "18", "19", "20", "21", "22", "24", "25", "26",
            "27", "28", "30", "32", "34", "35", "36", "38", "40", "42", "45", "48",
            "50", "53", "55", "56", "60", "63", "65", "70"]
BLANK_STEEL_RM = (1570, 1860)  # estimate: spring steel 60S2A after quench and temper

# Column spans (1-based column, width) of the lines written, named as the program's
# src/tables/table_layouts.h names them (test_gen_tables.py compares the two).
# Wire table: fields 1 .. 13 by number (the program defines 14 .. 25, never written).
WIRE_FIELDS = {1: (1, 5), 2: (7, 5), 3: (13, 5), 4: (19, 4), 5: (24, 4), 6: (29, 6),
               7: (36, 6), 8: (43, 5), 9: (49, 5), 10: (55, 7), 11: (63, 7), 12: (71, 6),
               13: (78, 6)}
CLASS_LABEL = (1, 7)  # not read by the program
CLASS_COLUMNS = {"LowestF3": (8, 4), "HighestF3": (13, 6), "SmallestD": (20, 5),
                 "LargestD": (26, 4), "BlankStandard": (31, 43), "SpringTable": (75, 5),
                 "TauFactor": (81, 4)}
SPRING_COLUMNS = {"F3": (1, 6), "D": (8, 5), "OuterD": (14, 4), "CoilStiffness": (19, 7),
                  "CoilDeflection": (27, 5)}

WIRE_CLASS_I = "I"     # fields 2-3 of the wire table
WIRE_CLASS_II = "II"   # fields 6-7 (class IIA has the same strengths, fields 10-11)


class SpringClass:
    """One item of the classification table and how its spring table is computed."""

    def __init__(self, item, label, table, f3_range, d_range, blank, tau_text,
                 diameters, wire_class=None, three_strand=False):
        self.item = item
        self.label = label              # columns 1-7, not read by the program
        self.table = table              # spring-table number
        self.f3_range = f3_range        # (lowest, highest) as texts, or None: from the rows
        self.d_range = d_range          # (smallest, largest) wire diameter as texts
        self.blank = blank              # blank standard, columns 31-73
        self.tau_text = tau_text        # TauFactor as written in columns 81-84
        self.diameters = diameters      # texts of field 2 (d, or cable d1), increasing
        self.wire_class = wire_class    # factor classes: the wire whose lower Rm counts
        self.three_strand = three_strand

    @property
    def tau_factor(self):
        return float(self.tau_text)


def r40_value(mantissa, exponent):
    return mantissa * 10.0 ** (exponent - 2)


def r40_text(mantissa, exponent):
    """An R40 force written as the standards write it, with three significant digits:
    0.950, 1.00, 10.6, 106, 1060."""
    decimals = max(0, 2 - exponent)
    return "%.*f" % (decimals, Decimal(mantissa).scaleb(exponent - 2))


def r40_series(lowest, highest):
    """(value, text) of every R40 number from lowest to highest inclusive."""
    result = []
    for exponent in range(-1, 7):
        for mantissa in R40_DECADE:
            value = r40_value(mantissa, exponent)
            if lowest * (1 - 1e-12) <= value <= highest * (1 + 1e-12):
                result.append((float(r40_text(mantissa, exponent)),
                               r40_text(mantissa, exponent)))
    return result


def ra40_text(hundredths, exponent):
    """An Ra40 size written plainly: 1.0, 1.05, 9.5, 10, 10.5, 105."""
    value = Decimal(hundredths) * (Decimal(10) ** (exponent - 2))
    text = format(value.normalize(), "f")
    if "." not in text and exponent == 0:
        text += ".0"
    return text


def ra40_series(highest=10000.0):
    result = []
    for exponent in range(0, 4):
        for hundredths in RA40_DECADE:
            text = ra40_text(hundredths, exponent)
            if float(text) <= highest:
                result.append((float(text), text))
    return result


RA40 = ra40_series()


def round_sig(value, digits):
    """value rounded half away from zero to the given significant digits (Decimal)."""
    if value == 0:
        return Decimal(0)
    exact = Decimal(repr(value))
    exponent = exact.adjusted() - digits + 1
    return exact.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP)


def sig_text(value, digits, width):
    """value with the given significant digits, trailing zeros kept, in at most width
    characters: plain form, then without the leading zero, then exponent form."""
    rounded = round_sig(value, digits)
    plain = format(rounded, "f")
    if len(plain) <= width:
        return plain
    if plain.startswith("0.") and len(plain) - 1 <= width:
        return plain[1:]
    mantissa = format(rounded.scaleb(-rounded.adjusted()), "f")
    exp_form = "%sE%d" % (mantissa, rounded.adjusted())
    if len(exp_form) <= width:
        return exp_form
    raise ValueError("%r does not fit %d characters with %d digits" % (value, width, digits))


def wahl_factor(index):
    return (4 * index - 1) / (4 * index - 4) + 0.615 / index


def quarter_step(fraction):
    return 0 if fraction <= 0.25 else 0.5 if fraction < 0.75 else 1


def program_index(index):
    """The index as the program rounds it before its strength check: hundredths kept,
    the thousandths rounded to 0, 0.005 or 0.01 at the quarter thresholds."""
    whole = math.trunc(index)
    hundredths = 100 * (index - whole)
    kept = math.trunc(hundredths)
    rounded = 0.01 * kept + whole + 0.01 * quarter_step(hundredths - kept)
    return 0.5 if rounded == 0 else rounded


def single_capacity(d, outer, tau3):
    """Force at which a single-strand spring of wire d and outer diameter outer reaches
    the shear stress tau3 (Wahl-corrected), with the exact index and with the index as
    the program rounds it, whichever is lower: a row must not fail the program's own
    strength check by the rounding of its index."""
    mean = outer - d
    index = mean / d
    wahl = max(wahl_factor(index), wahl_factor(program_index(index)))
    return math.pi * d ** 3 * tau3 / (8 * wahl * mean)


def single_stiffness(d, outer):
    mean = outer - d
    return G_MPA * d ** 4 / (8 * mean ** 3)


def three_capacity(d1, outer, tau3):
    """Force at which a three-strand spring of cable d1 reaches tau3 by the program's own
    three-strand stress tau = 1.82 F3 i / d1^2 (exact or rounded index, the lower force)."""
    index = (outer - d1) / d1
    return tau3 * d1 ** 2 / (1.82 * max(index, program_index(index)))


def three_stiffness(d1, outer):
    """Coil stiffness of a three-wire cable spring: three wires d = d1 / 2.155 laid at
    beta = arctan(0.445 i / (i + 1))."""
    mean = outer - d1
    index = mean / d1
    wire = d1 / CABLE_PER_WIRE
    lay_angle = math.atan(0.445 * index / (index + 1))
    return 3 * G_MPA * wire ** 4 * math.cos(lay_angle) / (8 * mean ** 3)


def strand_factor(index):
    """The program's factor on d1 for the solid height and pitch of a three-strand
    spring, by its rounded index."""
    for limit, factor in [(4, 1.029), (4.5, 1.021), (5, 1.015), (5.5, 1.010)]:
        if index <= limit:
            return factor
    return 1.005 if index < 7 else 1.0


def round_down_sig(value, digits):
    """value cut (towards zero) to the given significant digits, as text."""
    exact = Decimal(repr(value))
    exponent = exact.adjusted() - digits + 1
    return format(exact.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_DOWN), "f")


def three_deflection(d1, outer, f3):
    """Deflection s3' of one coil of a three-strand row at F3: what the cable stiffness
    gives, but no more than leaves the free pitch d1 x strand factor + s3' at
    THREE_STRAND_PITCH_RATIO of D (the cable estimate alone gives pitches of several D,
    coils that cannot exist). Written with 3 significant digits, cut down so that the
    pitch stays inside the limit."""
    mean = outer - d1
    room = THREE_STRAND_PITCH_RATIO * mean - d1 * strand_factor(program_index(mean / d1))
    return round_down_sig(min(f3 / three_stiffness(d1, outer), room), 3)


def outer_diameters_in_index_range(d):
    """(value, text) of the Ra40 sizes D1 with 4 <= (D1 - d) / d <= 12, increasing."""
    return [(value, text) for value, text in RA40
            if INDEX_MIN - INDEX_SLACK <= (value - d) / d <= INDEX_MAX + INDEX_SLACK]


def capacities_of(d, capacity):
    """[(D1 value, D1 text, capacity)] of the Ra40 sizes in the index range."""
    return [(value, text, capacity(d, value))
            for value, text in outer_diameters_in_index_range(d)]


def choose_outer_of(capacities, f3):
    """The (value, text) of D1 for force f3, or None when that force gives no row: no
    D1 carries f3, or the largest D1 the index allows still does (the spring would be
    limited by its index, not by its stress, and under-used)."""
    fitting = [entry for entry in capacities if entry[2] >= f3]
    if not fitting or fitting[-1] is capacities[-1]:
        return None
    return fitting[-1][0], fitting[-1][1]


@functools.lru_cache(maxsize=None)
def wire_strengths():
    """d text -> (class I lower, upper, class II lower, upper, class 3 lower, upper)."""
    table = {}
    for d, c1lo, c1hi, c2lo, c2hi, c3lo, c3hi, _ in WIRE_9389:
        table[d] = (c1lo, c1hi, c2lo, c2hi, c3lo, c3hi)
    for d in WIRE_14963 + BAR_2590:
        if not any(float(d) == float(known) for known in table):
            table[d] = BLANK_STEEL_RM * 3
    return table


def lower_strength(d_text, wire_class):
    strengths = wire_strengths()
    for known, values in strengths.items():
        if float(known) == float(d_text):
            return values[0] if wire_class == WIRE_CLASS_I else values[2]
    raise KeyError("no wire strength for d = " + d_text)


def tau3_of(spring_class, d_text):
    if spring_class.wire_class is None:
        return spring_class.tau_factor
    return spring_class.tau_factor * lower_strength(d_text, spring_class.wire_class)


def row_force(spring_class, d_text, outer):
    """The force at which a spring of the class with wire (or cable) d_text and outer
    diameter outer reaches its tau3, unrounded: what a table row's F3 is chosen against,
    and the F3 of a spring computed outside the tables."""
    capacity_of = three_capacity if spring_class.three_strand else single_capacity
    return capacity_of(float(d_text), outer, tau3_of(spring_class, d_text))


def row_texts(spring_class, d, outer, f3):
    """(c1 text, s3' text) of the row of wire (or cable) d and outer diameter outer at
    force f3, as a table writes them."""
    if spring_class.three_strand:
        # Force, deflection and stiffness of one coil agree: c1 = F3 / s3'.
        s3_text = three_deflection(d, outer, f3)
        c1_text = sig_text(f3 / float(s3_text), 4, 7)
    else:
        c1_text = sig_text(single_stiffness(d, outer), 4, 7)
        s3_text = sig_text(f3 / float(c1_text), 3, 5)
    return c1_text, s3_text


def spring_rows(spring_class, forces):
    """Rows (F3 text, d text, D1 text, c1 text, s3' text) of a spring table, ordered by
    F3, then d."""
    capacities = {}
    for d_text in spring_class.diameters:
        capacities[d_text] = capacities_of(
            float(d_text), lambda dd, outer, d_text=d_text: row_force(spring_class, d_text, outer))
    rows = []
    for f3, f3_text in forces:
        for d_text in spring_class.diameters:
            chosen = choose_outer_of(capacities[d_text], f3)
            if chosen is None:
                continue
            outer, outer_text = chosen
            c1_text, s3_text = row_texts(spring_class, float(d_text), outer, f3)
            rows.append((f3_text, d_text, outer_text, c1_text, s3_text))
    return rows


def diameters_between(texts, smallest, largest):
    return [t for t in texts if float(smallest) - 1e-9 <= float(t) <= float(largest) + 1e-9]


def wire_table_diameters():
    return sorted(wire_strengths().keys(), key=float)


def cable_diameters(series, wire_smallest, wire_largest):
    """Cable diameters d1 of a diameter series whose wires d1 / 2.155 lie in range."""
    return [t for t in series
            if float(wire_smallest) - 1e-9 <= float(t) / CABLE_PER_WIRE
            <= float(wire_largest) + 1e-9]


GOST_9389_SERIES = [row[0] for row in WIRE_9389]
WIRE_I = "Проволока класса I по ГОСТ 9389-75"
WIRE_II_IIA = "Проволока класса II или IIA по ГОСТ 9389-75"
WIRE_II = "Проволока класса II по ГОСТ 9389-75"
WIRE_14963_TEXT = "Проволока по ГОСТ 14963-78"
BAR_TEXT = "Сталь горячекатаная круглая по ГОСТ 2590-71"


def spring_classes():
    light = diameters_between(GOST_9389_SERIES, "0.2", "5.0")
    medium = diameters_between(WIRE_14963, "3.0", "12.0")
    heavy = diameters_between(BAR_2590, "14", "70")
    # Item 8 takes its strength from the class I wire rows, so its cables keep to the
    # GOST 9389 series; items 9 and 10 (a stress) may use every diameter of the table.
    thin_cables = cable_diameters(GOST_9389_SERIES, "0.3", "2.8")
    thick_cables = cable_diameters(wire_table_diameters(), "1.0", "5.0")
    return [
        SpringClass(0, "I-1", "13766", ("1.00", "850"), ("0.2", "5.0"), WIRE_I, "0.3",
                    light, WIRE_CLASS_I),
        SpringClass(1, "I-2", "13767", ("1.00", "800"), ("0.2", "5.0"), WIRE_II_IIA, "0.3",
                    light, WIRE_CLASS_II),
        SpringClass(2, "I-3", "13768", ("140", "6000"), ("3.0", "12.0"), WIRE_14963_TEXT,
                    "560", medium),
        SpringClass(3, "I-4", "13769", ("2800", "180000"), ("14", "70"), BAR_TEXT, "480",
                    heavy),
        SpringClass(4, "II-1", "13770", ("1.00", "1400"), ("0.2", "5.0"), WIRE_I, "0.5",
                    light, WIRE_CLASS_I),
        SpringClass(5, "II-2", "13771", ("1.00", "1250"), ("0.2", "5.0"), WIRE_II_IIA, "0.5",
                    light, WIRE_CLASS_II),
        SpringClass(6, "II-3", "13772", ("236", "10000"), ("3.0", "12.0"), WIRE_14963_TEXT,
                    "960", medium),
        SpringClass(7, "II-4", "13773", ("4500", "280000"), ("14", "70"), BAR_TEXT, "800",
                    heavy),
        SpringClass(8, "III-1", "13774", None, ("0.3", "2.8"), WIRE_I, "0.6",
                    thin_cables, WIRE_CLASS_I, three_strand=True),
        SpringClass(9, "III-2", "13775", None, ("1.0", "5.0"), WIRE_II, "1150",
                    thick_cables, three_strand=True),
        SpringClass(10, "III-3", "13776", None, ("1.0", "5.0"), WIRE_I, "1000",
                    thick_cables, three_strand=True),
    ]


def class_forces(spring_class):
    if spring_class.f3_range is None:
        return r40_series(1.0, 1e6)
    lowest, highest = spring_class.f3_range
    return r40_series(float(lowest), float(highest))


def force_range_of(spring_class, rows):
    """The class's F3 range texts: the published or estimated range, or for the
    three-strand classes the lowest and highest F3 of the computed table."""
    if spring_class.f3_range is not None:
        return spring_class.f3_range
    return rows[0][0], rows[-1][0]  # the rows are ordered by F3


def put(line, span, text, align="right"):
    """Writes text into the 1-based column span of a line held as a list of characters."""
    column, width = span
    if len(text) > width:
        raise ValueError("%r does not fit %d columns at column %d" % (text, width, column))
    padded = text.rjust(width) if align == "right" else text.ljust(width)
    while len(line) < column - 1 + width:
        line.append(" ")
    line[column - 1:column - 1 + width] = list(padded)


def spring_line(row):
    line = []
    for name, text in zip(["F3", "D", "OuterD", "CoilStiffness", "CoilDeflection"], row):
        put(line, SPRING_COLUMNS[name], text)
    return "".join(line)


def class_line(spring_class, force_range):
    line = []
    put(line, CLASS_LABEL, spring_class.label, "left")
    put(line, CLASS_COLUMNS["LowestF3"], force_range[0], "left")
    put(line, CLASS_COLUMNS["HighestF3"], force_range[1], "left")
    put(line, CLASS_COLUMNS["SmallestD"], spring_class.d_range[0], "left")
    put(line, CLASS_COLUMNS["LargestD"], spring_class.d_range[1], "left")
    put(line, CLASS_COLUMNS["BlankStandard"], spring_class.blank, "left")
    put(line, CLASS_COLUMNS["SpringTable"], spring_class.table, "left")
    put(line, CLASS_COLUMNS["TauFactor"], spring_class.tau_text)
    return "".join(line)


def diameter_deviation_um(d_text):
    """Estimated limit deviation of the diameter, micrometres: (normal precision,
    increased precision of class IIA wire). Bars: the minus deviation, one precision."""
    d = float(d_text)
    if d_text in BAR_2590:
        minus = 500 if d < 26 else 700 if d < 50 else 1000 if d < 60 else 1100
        return minus, minus
    for limit, normal, increased in [(0.3, 10, 5), (0.8, 15, 10), (1.6, 20, 15),
                                     (3.0, 30, 20), (6.0, 40, 30), (8.0 + 1e-9, 50, 40)]:
        if d < limit:
            return normal, increased
    return 60, 40


# Line 1 of the wire table, never read by the program: a short name over each field.
WIRE_HEADING_TEXTS = ["d,мм", "I-н", "I-в", "±мкм", "IIA", "II-н", "II-в", "3-н", "3-в",
                      "IIA-н", "IIA-в", "S,мм2", "m,г/м"]


def wire_heading():
    line = []
    for field, text in enumerate(WIRE_HEADING_TEXTS, start=1):
        put(line, WIRE_FIELDS[field], text)
    return "".join(line)


def wire_line(d_text, strengths):
    c1lo, c1hi, c2lo, c2hi, c3lo, c3hi = strengths
    normal, increased = diameter_deviation_um(d_text)
    area = math.pi * float(d_text) ** 2 / 4
    texts = [d_text, str(c1lo), str(c1hi), str(normal), str(increased), str(c2lo),
             str(c2hi), str(c3lo), str(c3hi), str(c2lo), str(c2hi), sig_text(area, 3, 6),
             sig_text(area * STEEL_DENSITY_G_PER_CM3, 3, 6)]
    line = []
    for field, text in enumerate(texts, start=1):
        put(line, WIRE_FIELDS[field], text)
    return "".join(line)


def encode(lines):
    return b"".join(line.encode("cp1251") + LINE_END for line in lines)


def build_tables():
    """number -> file bytes of all thirteen tables."""
    files = {}
    strengths = wire_strengths()
    files["9389"] = encode([wire_heading()] + [wire_line(d, strengths[d])
                                             for d in wire_table_diameters()])
    class_lines = []
    for spring_class in spring_classes():
        rows = spring_rows(spring_class, class_forces(spring_class))
        files[spring_class.table] = encode([spring_line(row) for row in rows])
        class_lines.append(class_line(spring_class, force_range_of(spring_class, rows)))
    files["13764"] = encode(class_lines)
    return files


SPRING_TABLES = ["13766", "13767", "13768", "13769", "13770", "13771", "13772", "13773",
                 "13774", "13775", "13776"]
ESTIMATES_INC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "tables",
                             "shipped_estimates.inc")


def table_rows(content):
    """The lines of a table as the program reads them: split at LF, one CR before it
    dropped, a last line without LF kept, nothing after a final LF."""
    lines = content.split(b"\n")
    if lines[-1] == b"":
        lines.pop()
    return [line[:-1] if line.endswith(b"\r") else line for line in lines]


def estimates_inc(files):
    """The program's record of the shipped spring tables: number, row count and CRC-32
    of the rows (each followed by LF) of each, by which it recognises a table whose rows
    are still this computed estimate, whatever its line ends."""
    lines = ["// Written by tools/gen_tables.py with data/*.dat: number, row count and CRC-32",
             "// of the rows (line ends left out) of each shipped spring table (a computed",
             "// estimate). Do not edit."]
    for number in SPRING_TABLES:
        rows = table_rows(files[number])
        text = b"".join(row + b"\n" for row in rows)
        lines.append('{"%s", %d, 0x%08Xu},' % (number, len(rows), zlib.crc32(text)))
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    parser.add_argument("--out", default=default_out, help="folder for NNNN.dat")
    options = parser.parse_args(argv)
    files = build_tables()
    for number, content in sorted(files.items()):
        path = os.path.join(options.out, number + ".dat")
        temporary = path + ".tmp"
        with open(temporary, "wb") as stream:
            stream.write(content)
        os.replace(temporary, path)
        print("%s: %d lines" % (path, content.count(LINE_END)))
    # Only the shipped tables are recorded as the program's estimates.
    if os.path.realpath(options.out) == os.path.realpath(default_out):
        with open(ESTIMATES_INC, "w", encoding="ascii") as stream:
            stream.write(estimates_inc(files))
        print(ESTIMATES_INC)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
