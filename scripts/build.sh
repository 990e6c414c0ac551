#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
    DIR=build-sanitize
    EXTRA=(-DTORVELIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$DIR" "${EXTRA[@]}" >/dev/null
cmake --build "$DIR" -j"$(nproc)"
