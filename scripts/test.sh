#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (ctest).
# --sanitize: the same with AddressSanitizer and UndefinedBehaviorSanitizer.
# --release: the same in a Release build (-O3).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh "$@"
DIR=build
case "${1:-}" in
--sanitize)
    DIR=build-sanitize
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ;;
--release) DIR=build-release ;;
esac
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$DIR" --output-on-failure -j"$(nproc)"
