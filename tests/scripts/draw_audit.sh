# The classic drawing read back with ezdxf: every view audits clean, layer "0" is white
# with the default lineweight, the text style names its font file, the header carries the
# layer, style, limits and extents of both spaces (texts included), and every number in
# the file is finite.
set -eu
exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -c 'import ezdxf' 2>/dev/null || exit 77

for view in broken full section cut; do
    "$exe" draw --view "$view" --ends 3 --D0 20 --d 2 --t 6 --n 5 -o "$work/$view.dxf"
done
printf 'items=1,10\ne6Num=123\ncomb6Gost=ГОСТ 13766-86\n' > "$work/tt.txt"
"$exe" draw --view broken --ends 1 --D0 20 --d 2 --t 6 --n 5 --tilemode 0 --cvport 1 \
    --tt "$work/tt.txt" --tt-corner 0,-40 -o "$work/paper.dxf"

/usr/bin/python3 - "$work" <<'PY'
import glob, math, re, sys
import ezdxf

bad = []
for path in sorted(glob.glob(sys.argv[1] + "/*.dxf")):
    name = path.rsplit("/", 1)[1]
    doc = ezdxf.readfile(path)
    audit = doc.audit()
    if audit.errors or audit.fixes:
        bad.append("%s: audit %d errors, %d fixes" % (name, len(audit.errors), len(audit.fixes)))
    layer = doc.layers.get("0")
    if layer.color != 7 or layer.dxf.lineweight != -3:
        bad.append("%s: layer 0 colour %d weight %d" % (name, layer.color, layer.dxf.lineweight))
    if doc.styles.get("Standard").dxf.font != "arial.ttf":
        bad.append(name + ": no font file in the text style")
    hdr = doc.header
    if hdr["$CLAYER"] != "0" or hdr["$TEXTSTYLE"] != "Standard":
        bad.append(name + ": current layer or style")
    paper = name == "paper.dxf"
    layout = doc.layout("Layout1") if paper else doc.modelspace()
    lo = hdr["$PEXTMIN" if paper else "$EXTMIN"]
    hi = hdr["$PEXTMAX" if paper else "$EXTMAX"]
    for e in layout.query("TEXT"):
        # The text's baseline and its top (its height above the baseline) lie inside.
        x, y = e.dxf.insert[0], e.dxf.insert[1]
        if not (lo[0] <= x <= hi[0] and lo[1] <= y and y + e.dxf.height <= hi[1] + 1e-9):
            bad.append("%s: text %r outside the extents" % (name, e.dxf.text))
    if "$LIMMIN" not in hdr or "$PLIMMAX" not in hdr:
        bad.append(name + ": no limits")
    text = open(path, encoding="cp1251").read()
    if re.search(r"^\s*-?(inf|nan)", text, re.I | re.M):
        bad.append(name + ": a non-finite number")
for line in bad:
    print("FAIL: " + line, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
