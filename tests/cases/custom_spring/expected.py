#!/usr/bin/env python3
"""Works out the report of the custom spring of this case (class item 0, the default
inputs, wire d = 1.7 mm, outer diameter D1 = 11.5 mm) independently of the program:
the row by the table generator's own functions (tools/gen_tables.py), then the
report's formulas of GOST 13765-86 written out below. The layout (header, labels) is
taken from the report_only case; every value is replaced by the one computed here.

    python3 tests/cases/custom_spring/expected.py > tests/cases/custom_spring/expected.out

Arithmetic (class I, category 1: tau3 = 0.3 Rm, Rm the lower class I strength of d):
    F3   = row capacity (Wahl-corrected stress reaches tau3), c1 = G d^4 / (8 D^3) to
           4 digits, s3' = F3 / c1 to 3 digits (gen_tables.row_force, row_texts)
    Vk   = (1 - F2/F3) tau3 1000 / sqrt(2 G rho), G = 78500 MPa, rho = 8000 kg/m^3
    c    = (F2 - F1) / h; n = c1 / c rounded to halves; c = c1 / n; n1 = n + n2
    D    = D1 - d; i = D / d (hundredths kept, thousandths to 0, 0.005 or 0.01)
    s1,2,3 = F1,2,3 / c; L3 = (n1 + 1 - n3) d; L0 = L3 + s3; L1 = L0 - s1; L2 = L0 - s2
    t    = s3' + d; tau1,2 = F1,2 / F3 tau3; k = (4i - 1)/(4i - 4) + 0.615 / i
    tau  = 8 k F3 D / (pi d^3); L = 3.2 D n1; m = 1.925e-5 d^2 D n1
    V    = 0.785 D1^2 L1; D2 = D1 - 2 d; U = F3 s3 / 2
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools"))
import gen_tables as g  # noqa: E402

d_text, d, D1 = "1.7", 1.7, 11.5
F1, F2, h, Vmax, n2, n3 = 20.0, 80.0, 10.0, 3.0, 2.0, 1.5
G, rho = 78500.0, 8000.0

spring_class = g.spring_classes()[0]
tau3 = g.tau3_of(spring_class, d_text)
F3 = g.row_force(spring_class, d_text, D1)
c1_text, s3p_text = g.row_texts(spring_class, d, D1, F3)
c1, s3p = float(c1_text), float(s3p_text)


def round_half(x):
    whole = math.trunc(x)
    r = whole + g.quarter_step(x - whole)
    return 0.5 if r == 0 else r


Vk = (1 - F2 / F3) * tau3 * 1000 / math.sqrt(2 * G * rho)
c = (F2 - F1) / h
n = round_half(c1 / c)
c = c1 / n
n1 = n + n2
D = D1 - d
i = g.program_index(D / d)
s1, s2, s3 = F1 / c, F2 / c, F3 / c
L3 = (n1 + 1 - n3) * d
L0 = L3 + s3
L1, L2 = L0 - s1, L0 - s2
t = s3p + d
tau1, tau2 = F1 / F3 * tau3, F2 / F3 * tau3
k = (4 * i - 1) / (4 * i - 4) + 0.615 / i
tau = 8 * k * F3 * D / (math.pi * d ** 3)
L = 3.2 * D * n1
m = 1.925e-5 * d * d * D * n1
V = 0.785 * D1 * D1 * L1
D2 = D1 - 2 * d
U = F3 * s3 / 2


def fixed(v):
    # Six significant digits first, then three decimals: 4141.883 is written 4141.880.
    return "%.3f" % float("%.6g" % v)


def general(v, digits=6):
    return "%.*g" % (digits, v)


# The report's values from F3 on, in its order, as it writes them.
values = [general(F3), general(d), general(D), general(D1), fixed(D2), fixed(c1), fixed(c),
          fixed(Vk), general(n, 4), general(n1), general(i), fixed(s1), fixed(s2),
          fixed(s3), fixed(s3p), fixed(L0), fixed(L1), fixed(L2), fixed(L3), fixed(L),
          fixed(t), fixed(tau1), fixed(tau2), fixed(tau3), fixed(tau), fixed(m), fixed(V),
          fixed(U)]

with open(os.path.join(HERE, "..", "report_only", "expected.out"), encoding="utf-8") as f:
    template = f.read().split("\n")
out = []
index = 0
results = False
for line in template:
    if line.startswith("Номер пружины по ГОСТ"):
        out.append("Пружина" + " " * 44 + ": не по ГОСТ 13766…13776, расчет по ГОСТ 13765-86")
        results = True
    elif results and ": " in line and not line.startswith("="):
        head = line[: line.rindex(": ") + 2]
        out.append(head + values[index])
        index += 1
    else:
        out.append(line)
assert index == len(values), index
sys.stdout.write("\n".join(out))
