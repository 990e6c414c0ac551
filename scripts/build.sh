#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize), warnings
# treated as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=build
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
    DIR=build-sanitize
    EXTRA=(-DTORVELIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$DIR" -DTORVELIX_WERROR=ON "${EXTRA[@]}" >/dev/null
cmake --build "$DIR" -j"$(nproc)"
