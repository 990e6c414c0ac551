#!/bin/bash
# The software centres' entry and the icons: the metainfo passes appstreamcli's
# validation, names the desktop entry and the version the program prints (as the
# Debian changelog does), and each PNG icon is of its size.
# Usage: desktop_metadata.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
. "$(dirname "$0")/lib/require.sh"
require_command appstreamcli
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
metainfo="$source_dir/dist/org.example.torvelix.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">torvelix.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not name torvelix.desktop"
[ -f "$source_dir/dist/torvelix.desktop" ] || fail "no dist/torvelix.desktop"
for lang in summary description; do
    grep -q "<$lang xml:lang=\"ru\">\|<p xml:lang=\"ru\">" "$metainfo" || fail "no Russian $lang"
done
grep -q '<screenshot type="default">' "$metainfo" || fail "no default screenshot"

version=$("$exe" --version | sed 's/^torvelix //')
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metainfo"
head -n 1 "$source_dir/debian/changelog" | grep -q "^torvelix ($version)" ||
    fail "debian/changelog's version is not $version: $(head -n 1 "$source_dir/debian/changelog")"

for size in 16 24 32 48 64 128 256; do
    icon="$source_dir/dist/icons/torvelix-$size.png"
    # The PNG header: width and height as big-endian words at bytes 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$icon" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "$icon is $dims"
done
exit $((failures > 0))
