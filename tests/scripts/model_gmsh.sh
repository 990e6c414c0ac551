# The 3D models of the command line read back by an independent reader (gmsh, on its own
# build of the modelling library): `draw --model` with open and with closed ground ends,
# and `calc --model` for the calculated spring with closed ends, checked for one solid,
# its volume against the wire's pi^2 D d^2 n1 / 4 (ground ends corrected), its extent
# against L0 and D + d, and its steel mass against the report's mass.
set -eu
exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -c 'import gmsh' 2>/dev/null || { echo "skipped: no python3-gmsh"; exit 77; }
if ! "$exe" draw --model --view full --ends 1 --D0 20 --d 2 --t 6 --n 4 -o "$work/open.step" \
    2>"$work/err"; then
    if grep -q "недоступна" "$work/err"; then
        echo "skipped: built without the 3D model"
        exit 77
    fi
    cat "$work/err"
    exit 1
fi
"$exe" draw --model --view full --ends 3 --D0 20 --d 2 --t 6 --n 3 -o "$work/ground.stp"
"$exe" calc --n3 0 --report-only --model "$work/calc.STEP" > "$work/report.txt"

/usr/bin/python3 - "$work" <<'PY'
import math, re, sys
import gmsh

work = sys.argv[1]
report = open(work + "/report.txt", encoding="utf-8").read()

def reported(symbol):
    for line in report.splitlines():
        label, _, value = line.partition(": ")
        if re.search(r"[ ,]%s[ ,]" % re.escape(symbol), label + " "):
            return float(value)
    raise SystemExit("no %s in the report" % symbol)

# The calculated spring: D, d, n1 and L0 as the report gives them; its mass m is
# 1.925e-5 d^2 D n1 kg (printed with three decimals: the formula, checked against it,
# is the value to compare).
D, d, n1, L0 = (reported(s) for s in ("D", "d", "n1", "L0"))
mass = 1.925e-5 * d * d * D * n1
if abs(mass - reported("m")) > 0.0005:
    raise SystemExit("report's mass %s, formula %.6f" % (reported("m"), mass))

def removed_by_grinding(D, d, n3):
    """What grinding n3 d / 2 off a closed end (pitch d) takes from the wire, per end."""
    r = d / 2
    total, steps = 0.0, 20000
    for k in range(steps):
        h = (r - n3 * d / 2) + d * 2 * (k + 0.5) / steps
        if h <= -r:
            below = math.pi * r * r
        elif h < r:
            below = r * r * math.acos(h / r) - h * math.sqrt(r * r - h * h)
        else:
            below = 0
        total += below * math.pi * D * 2 / steps
    return total

cases = [
    # file, D, d, n1, n3, L0, report's mass (None: not a calculated spring)
    ("open.step", 20, 2, 4, 0, 4 * 6 + 2, None),
    ("ground.stp", 20, 2, 5, 1.5, 3 * 6 + 1.5 * 2, None),
    ("calc.STEP", D, d, n1, 0, L0, mass),
]
bad = []
gmsh.initialize()
gmsh.option.setNumber("General.Terminal", 0)
for name, D, d, n1, n3, L0, mass in cases:
    gmsh.clear()
    gmsh.model.occ.importShapes(work + "/" + name)
    gmsh.model.occ.synchronize()
    volumes = gmsh.model.getEntities(3)
    if len(volumes) != 1:
        bad.append("%s: %d solids" % (name, len(volumes)))
        continue
    tag = volumes[0][1]
    volume = gmsh.model.occ.getMass(3, tag)
    wire = math.pi ** 2 * D * d * d * n1 / 4 - 2 * removed_by_grinding(D, d, n3)
    if abs(volume - wire) > 0.01 * wire:
        bad.append("%s: volume %.3f, wire %.3f" % (name, volume, wire))
    if mass is not None and abs(volume * 7800e-9 - mass) > 0.01 * mass:
        bad.append("%s: steel mass %.6f kg, report %.6f kg" % (name, volume * 7800e-9, mass))
    # The extent of the surface mesh, whose nodes lie on the surface: elements of 0.5 mm
    # on a wire of radius 0.9 mm or more stay within 0.5^2 / (8 * 0.9) = 0.035 mm of it.
    gmsh.option.setNumber("Mesh.MeshSizeMax", 0.5)
    gmsh.model.mesh.generate(2)
    _, coords, _ = gmsh.model.mesh.getNodes()
    xs, ys, zs = coords[0::3], coords[1::3], coords[2::3]
    extent = (max(xs) - min(xs), max(ys) - min(ys), min(zs), max(zs))
    want = (D + d, D + d, 0, L0)
    if any(abs(a - b) > 0.05 for a, b in zip(extent, want)):
        bad.append("%s: extent %s, expected %s" % (name, extent, want))
    print("%s: volume %.3f (wire %.3f), extent %s" % (name, volume, wire,
                                                      tuple(round(v, 3) for v in extent)))
gmsh.finalize()
if bad:
    print("\n".join(bad))
    sys.exit(1)
PY
