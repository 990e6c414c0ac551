#!/bin/bash
# The program in an installed layout (bin/ with the tables in share/torvelix/), its
# version, and the desktop entry and manual page it is installed with.
# Usage: install_layout.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

version=$(sed -n 's/^project(torvelix VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ "$("$exe" --version)" = "torvelix $version" ] || fail "--version prints '$("$exe" --version)'"

mkdir -p "$work/usr/bin" "$work/usr/share/torvelix"
cp "$exe" "$work/usr/bin/torvelix"
for f in "$source_dir"/data/*.dat; do
    cp "$f" "$work/usr/share/torvelix/torvelix_$(basename "$f")"
done
installed=$work/usr/bin/torvelix
"$installed" calc --report-only >"$work/out" 2>"$work/err" || fail "calc from share/torvelix: $(cat "$work/err")"
grep -q "ГОСТ 13766-86" "$work/out" || fail "calc from share/torvelix printed no report"
"$installed" check-tables >"$work/out" 2>&1 || fail "check-tables from share/torvelix: $(cat "$work/out")"

# A missing table is named where the program looked for it.
rm "$work/usr/share/torvelix/torvelix_13770.dat"
"$installed" check-tables >"$work/out" 2>/dev/null
grep -qx "$work/usr/share/torvelix/torvelix_13770.dat: the file cannot be read" "$work/out" ||
    fail "missing table reported as: $(cat "$work/out")"

# A table beside the executable makes the folder a portable copy: nothing is mixed in
# from share/torvelix/.
cp "$source_dir/data/9389.dat" "$work/usr/bin/torvelix_9389.dat"
"$installed" check-tables >"$work/out" 2>/dev/null
grep -q "^$work/usr/bin/torvelix_13764.dat: the file cannot be read" "$work/out" ||
    fail "portable copy reported as: $(cat "$work/out")"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$source_dir/dist/torvelix.desktop" || fail "desktop entry"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
grep -qx "Exec=torvelix" "$source_dir/dist/torvelix.desktop" || fail "desktop entry command"
if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$source_dir/dist/torvelix.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page: $warnings"
fi
python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
    "$source_dir/dist/torvelix.svg" || fail "icon is not well-formed"

exit $((failures > 0))
