#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it (default 60 seconds), seeded
# with the shipped tables' first lines.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CXX=clang++ cmake -S . -B build-fuzz -DTORVELIX_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_table_text
corpus="$(mktemp -d)"
for f in data/*.dat; do head -c 400 "$f" > "$corpus/$(basename "$f")"; done
./build-fuzz/tests/fuzz/fuzz_table_text -max_total_time="$seconds" -max_len=400 "$corpus"
