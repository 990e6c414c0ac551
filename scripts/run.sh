#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program alone (no
# tests) into build-run/, and starts it (arguments go to it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --run
cmake -S . -B build-run -DBUILD_TESTING=OFF -DTORVELIX_BENCHMARKS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target torvelix
exec ./build-run/app/torvelix "$@"
