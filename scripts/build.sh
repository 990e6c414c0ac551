#!/usr/bin/env bash
# Configures and builds into build/ (build-sanitize/ with --sanitize, build-release/
# with --release: -O3, as a user's Release build), warnings treated as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
DIR=build
EXTRA=()
case "${1:-}" in
--sanitize)
    DIR=build-sanitize
    EXTRA=(-DTORVELIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    ;;
--release)
    DIR=build-release
    EXTRA=(-DCMAKE_BUILD_TYPE=Release)
    ;;
esac
cmake -S . -B "$DIR" -DTORVELIX_WERROR=ON "${EXTRA[@]}" >/dev/null
cmake --build "$DIR" -j"$(nproc)"
