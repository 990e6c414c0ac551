#!/usr/bin/env bash
# Builds the Debian package from debian/ with dpkg-buildpackage -us -uc -b (the
# distribution's flags, the tests run at build time) in a copy of the tree under
# build-package/, so that the results land there: torvelix_<version>_<arch>.deb, its
# -dbgsym package and the .changes file. Then lintian checks them.
# Arguments go to dpkg-buildpackage (-Pnocheck leaves the tests out).
# DEB_BUILD_OPTIONS defaults to parallel=<cores>.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package
out=build-package
rm -rf "$out"
mkdir -p "$out/torvelix"
# The files of the work tree that git knows or would add: no build folders.
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - | tar -xf - -C "$out/torvelix"
(cd "$out/torvelix" &&
    DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}" dpkg-buildpackage -us -uc -b "$@")
rm -rf "$out/torvelix"
changes=$(ls "$out"/torvelix_*.changes)
echo "Built: $(cd "$out" && ls ./*.deb | tr '\n' ' ')"
dpkg-deb --info "$out"/torvelix_*_"$(dpkg --print-architecture)".deb |
    sed -n 's/^ \(Depends\|Recommends\|Version\|Architecture\):/  \1:/p'
lintian --pedantic --fail-on error,warning "$changes"
echo "lintian: no errors or warnings"
