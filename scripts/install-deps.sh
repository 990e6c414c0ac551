#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, as root or through sudo;
# packages already present are skipped quickly.
#   --run      only what building and running the program needs (scripts/run.sh)
#   --package  that, and what the Debian package build and its checks need
#   (none)     everything: the program, the tests, the package build
set -euo pipefail

# Building and running the program.
RUN=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n
    libdxflib-dev libzip-dev nlohmann-json3-dev
    libocct-modeling-algorithms-dev libocct-data-exchange-dev libocct-foundation-dev
    libocct-modeling-data-dev libocct-ocaf-dev libtbb-dev
    xdg-utils
)
# The tests and what they check with (readers of the files written, the window under a
# virtual X server, the formatting, the fuzz targets, the manual page, the metainfo).
TEST=(
    git
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    python3 python3-ezdxf python3-docx python3-fonttools
    xvfb xauth imagemagick ghostscript fonts-dejavu-core fonts-liberation
    libreoffice-writer-nogui
    openbox xdotool x11-utils
    desktop-file-utils man-db appstream acl attr locales
    python3-jsonschema python3-gmsh
)
# The Debian package: debhelper and the checks of the result.
PACKAGE=(
    debhelper dpkg-dev fakeroot lintian devscripts
)

case "${1:-}" in
--run) PACKAGES=("${RUN[@]}") ;;
--package) PACKAGES=("${RUN[@]}" "${TEST[@]}" "${PACKAGE[@]}") ;;
"") PACKAGES=("${RUN[@]}" "${TEST[@]}" "${PACKAGE[@]}") ;;
*)
    echo "usage: $0 [--run|--package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing the missing packages: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
