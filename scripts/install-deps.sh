#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test.
# Runs as root, or through sudo. Packages already present are skipped quickly.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config git
    qt6-base-dev libgl-dev
    libdxflib-dev libzip-dev
    libocct-modeling-algorithms-dev libocct-data-exchange-dev libocct-foundation-dev
    libocct-modeling-data-dev libocct-ocaf-dev libtbb-dev python3-gmsh
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    python3 python3-ezdxf python3-docx
    xvfb xauth xdg-utils imagemagick ghostscript fonts-dejavu-core fonts-liberation
    libreoffice-writer-nogui
    openbox xdotool x11-utils qt6-translations-l10n
    desktop-file-utils man-db lintian
)

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
