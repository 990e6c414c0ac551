#!/usr/bin/env bash
# The report document opens in LibreOffice: converted to PDF headless, its text
# holds every report line unbroken and in order, set in a fixed-pitch font.
# Skipped (exit 77, saying why) when LibreOffice is not installed. With
# TORVELIX_REPORT_PNG=FILE it also renders the first page to FILE (Ghostscript
# or pdftoppm).
# Usage: docx_libreoffice.sh TORVELIX_EXE SOURCE_DIR
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

office=$(command -v soffice || command -v libreoffice || true)
if [ -z "$office" ]; then
    echo "skipped: LibreOffice (soffice) is not installed"
    exit 77
fi

"$exe" calc --report-only --docx "$work/report.docx" >"$work/report.txt" ||
    fail "torvelix calc exited with $?"

# A private profile, so that a running LibreOffice or a parallel test does not
# take the conversion over.
timeout 180 "$office" -env:UserInstallation="file://$work/profile" --headless \
    --convert-to pdf --outdir "$work" "$work/report.docx" >"$work/convert.log" 2>&1 ||
    fail "conversion failed: $(cat "$work/convert.log")"
[ -s "$work/report.pdf" ] || fail "no PDF written: $(cat "$work/convert.log")"
echo "ok: converted to PDF"

if command -v gs >/dev/null; then
    gs -q -dSAFER -sDEVICE=txtwrite -o "$work/pdf.txt" "$work/report.pdf"
    # Every non-blank report line is one text line of the PDF, in order; the
    # fixed-width columns keep their inner blanks.
    /usr/bin/python3 - "$work/report.txt" "$work/pdf.txt" <<'PY' || fail "PDF text differs"
import sys
def lines(path):
    with open(path, encoding="utf-8") as f:
        return [l.strip() for l in f.read().split("\n") if l.strip()]
report, pdf = lines(sys.argv[1]), lines(sys.argv[2])
if report != pdf:
    for i, (a, b) in enumerate(zip(report, pdf)):
        if a != b:
            print(f"line {i + 1}: report {a!r}, PDF {b!r}", file=sys.stderr)
            break
    print(f"{len(report)} report lines, {len(pdf)} PDF lines", file=sys.stderr)
    sys.exit(1)
PY
    echo "ok: PDF text equals the report"
else
    echo "note: Ghostscript not installed, PDF text not compared"
fi

fonts=$(grep -a -o '/FontName */[A-Z]*+\?[A-Za-z-]*' "$work/report.pdf" | sort -u || true)
if [ -n "$fonts" ]; then
    if echo "$fonts" | grep -v -q -i -E 'mono|courier|cousine'; then
        fail "a font that is not fixed-pitch: $fonts"
    fi
    echo "ok: fonts $(echo "$fonts" | sed 's|.*/||' | tr '\n' ' ')"
fi

if [ -n "${TORVELIX_REPORT_PNG:-}" ]; then
    if command -v gs >/dev/null; then
        gs -q -dSAFER -sDEVICE=png16m -r100 -dTextAlphaBits=4 -dGraphicsAlphaBits=4 \
            -dFirstPage=1 -dLastPage=1 -o "$TORVELIX_REPORT_PNG" "$work/report.pdf"
    elif command -v pdftoppm >/dev/null; then
        pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$work/report.pdf" "${TORVELIX_REPORT_PNG%.png}"
    else
        fail "neither Ghostscript nor pdftoppm to render $TORVELIX_REPORT_PNG"
    fi
    echo "ok: first page rendered to $TORVELIX_REPORT_PNG"
fi
