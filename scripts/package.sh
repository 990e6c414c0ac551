#!/usr/bin/env bash
# Builds a Release tree with the distribution's compiler and linker flags
# (dpkg-buildflags) into build-package/ and makes the Debian package
# build-package/torvelix_<version>_<arch>.deb with CPack; the package's dependencies
# are computed from the linked libraries (dpkg-shlibdeps). Then lintian checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
DIR=build-package
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$DIR" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$DIR" -j"$(nproc)"
rm -f "$DIR"/torvelix_*.deb
(cd "$DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$DIR"/torvelix_*.deb)
echo "Package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Recommends\|Version\|Architecture\):/  \1:/p'
lintian "$deb"
echo "lintian: no errors"
