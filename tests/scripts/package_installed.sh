#!/bin/bash
# The built Debian package unpacked into a scratch root (dpkg-deb -x): the files it
# must hold, its dependencies, and the autopkgtest's commands run against the unpacked
# program. Skipped when no package is built (scripts/package.sh writes it into
# build-package/; TORVELIX_DEB names another) or dpkg-deb is missing.
# Usage: package_installed.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
. "$(dirname "$0")/lib/require.sh"
require_command dpkg-deb dpkg
version=$("$exe" --version | sed 's/^torvelix //')
# A program that does not run is a failure, not a package that was never built.
if [ -z "$version" ]; then
    echo "FAIL: $exe --version printed no version"
    exit 1
fi
deb=${TORVELIX_DEB:-$source_dir/build-package/torvelix_${version}_$(dpkg --print-architecture).deb}
if [ ! -f "$deb" ]; then
    echo "skipped: no package at $deb (bash scripts/package.sh builds it)"
    exit 77
fi
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"

for file in usr/bin/torvelix usr/share/torvelix/torvelix_13766.dat \
    usr/share/applications/torvelix.desktop \
    usr/share/metainfo/org.example.torvelix.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/torvelix.svg \
    usr/share/icons/hicolor/16x16/apps/torvelix.png \
    usr/share/icons/hicolor/256x256/apps/torvelix.png \
    usr/share/man/man1/torvelix.1.gz usr/share/doc/torvelix/tables.md \
    usr/share/doc/torvelix/copyright usr/share/doc/torvelix/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -d "$root/etc/torvelix" ] || fail "the package does not make /etc/torvelix"
[ -z "$(ls -A "$root/etc/torvelix" 2>/dev/null)" ] || fail "/etc/torvelix is not empty"
zcat "$root/usr/share/man/man1/torvelix.1.gz" | head -n 1 | grep -qF "\"torvelix $version\"" ||
    fail "the manual page's footer lacks the version"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' ||
    fail "Depends lacks qt6-translations-l10n: $(dpkg-deb -f "$deb" Depends)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"

TORVELIX="$root/usr/bin/torvelix" AUTOPKGTEST_TMP="$root/tmp" \
    sh -c 'mkdir -p "$AUTOPKGTEST_TMP" && sh "$1"' sh "$source_dir/debian/tests/cli" ||
    fail "the autopkgtest's commands against the unpacked package"
exit $((failures > 0))
