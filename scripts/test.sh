#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (ctest).
# --sanitize: the same with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh "$@"
DIR=build
if [ "${1:-}" = "--sanitize" ]; then
    DIR=build-sanitize
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$DIR" --output-on-failure -j"$(nproc)"
