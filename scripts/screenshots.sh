#!/usr/bin/env bash
# Takes the pictures of the eight wizard pages for the README (docs/screenshots/ by
# default) on a virtual X server: builds the capture program in build/ and clicks a
# typical run through, under the openbox window manager. Needs Xvfb (xvfb-run),
# openbox and ImageMagick's import.
# Usage: scripts/screenshots.sh [FOLDER] [WIDTHxHEIGHT]  (a window of that size)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-docs/screenshots}")
for tool in xvfb-run openbox import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is not installed" >&2; exit 1; }
done
[ -f build/CMakeCache.txt ] || cmake -S . -B build
cmake --build build -j2 --target capture_pages
mkdir -p "$folder"
TORVELIX_SCREENSHOT_DIR="$folder" TORVELIX_SCREENSHOT_SIZE="${2:-}" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1920x1080x24" \
    sh -c 'openbox & sleep 1; build/tests/capture_pages; status=$?; kill $!; exit $status'
echo "pictures written to $folder"
