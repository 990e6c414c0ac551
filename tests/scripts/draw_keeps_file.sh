# `torvelix draw` never harms a file already at the target: a request refused before
# drawing, one that fails while drawing (the sheet too small, a point too far) and a file
# that cannot be written all leave it byte for byte; the format follows the name's suffix
# in any letter case.
set -u
exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fails=0
ok="--D0 20 --d 2 --t 6 --n 5"

# kept NAME ARGS...: a good drawing at NAME first, then the failing run over it.
kept() {
    local name="$1"
    shift
    "$exe" draw --view full --ends 2 $ok -o "$work/$name" 2> /dev/null || {
        echo "FAIL: the first drawing of $name was not written" >&2
        fails=$((fails + 1))
        return
    }
    cp "$work/$name" "$work/before"
    "$exe" draw "$@" -o "$work/$name" 2> "$work/err.txt"
    local status=$?
    if [ "$status" != 1 ] || ! grep -q "^error: " "$work/err.txt"; then
        echo "FAIL: status $status, '$(cat "$work/err.txt")': $name $*" >&2
        fails=$((fails + 1))
    fi
    if ! cmp -s "$work/before" "$work/$name"; then
        echo "FAIL: $name changed: $*" >&2
        fails=$((fails + 1))
    fi
}

for name in spring.dxf spring.svg spring.pdf Spring.Pdf; do
    # Refused before drawing.
    kept "$name" --view full --ends 1 --D0 20 --d 2 --t 6 --n 0.9
    # The complete drawing on no sheet up to A1 at 1:100 (810 mm across at 1:100).
    kept "$name" --eskd --view full --ends 3 --D0 80000 --d 1000 --t 3000 --n 3 --L0 12000
    # A start point beyond the drawing's reach, refused after the pick.
    kept "$name" --view full --ends 2 $ok --start 1.7e308,0
    # A pitch that cannot fit between the picked points.
    kept "$name" --view full --ends 2 --D0 20 --d 2 --n 8 --L3 40 --inscribe --end 39,0
done
"$exe" draw --eskd --view full --ends 3 --D0 80000 --d 1000 --t 3000 --n 3 --L0 12000 \
    -o "$work/a2.dxf" 2> "$work/err.txt"
if ! grep -qx "error: Пружина не помещается ни на одном листе до формата A1 ни в одном стандартном масштабе до 1:100!" \
    "$work/err.txt" || [ -e "$work/a2.dxf" ]; then
    echo "FAIL: the sheet refusal: '$(cat "$work/err.txt")'" >&2
    fails=$((fails + 1))
fi

# A file that cannot be replaced: read-only (as any user) and a folder.
"$exe" draw --view full --ends 2 $ok -o "$work/locked.dxf" 2> /dev/null
cp "$work/locked.dxf" "$work/before"
chmod a-w "$work/locked.dxf"
if "$exe" draw --view section --ends 1 $ok -o "$work/locked.dxf" 2> /dev/null; then
    echo "FAIL: a read-only file was replaced" >&2
    fails=$((fails + 1))
fi
cmp -s "$work/before" "$work/locked.dxf" || { echo "FAIL: locked.dxf changed" >&2; fails=$((fails + 1)); }

# The suffix in any letter case chooses the format: PDF, SVG, and DXF for the rest.
for pair in "x.Pdf:%PDF-" "x.PDF:%PDF-" "x.sVg:<?xml" "x.DxF:999" "x.txt:999"; do
    name="${pair%%:*}"
    start="${pair#*:}"
    if ! "$exe" draw --view full --ends 2 $ok -o "$work/$name" 2> "$work/err.txt"; then
        echo "FAIL: $name not written: $(cat "$work/err.txt")" >&2
        fails=$((fails + 1))
    elif [ "$(head -c ${#start} "$work/$name")" != "$start" ]; then
        echo "FAIL: $name begins '$(head -c 8 "$work/$name")', not '$start'" >&2
        fails=$((fails + 1))
    fi
done

[ "$fails" = 0 ] && echo "draw keeps the old file: ok"
exit "$fails"
