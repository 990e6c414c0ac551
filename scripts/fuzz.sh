#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the libraries instrumented too) and runs
# each for the given number of seconds (default 60): the table-text reader seeded
# with the shipped tables' first lines, the settings-file reader, and a whole
# calculation on fuzzed tables seeded with short tables.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CXX=clang++ cmake -S . -B build-fuzz -DTORVELIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_table_text fuzz_ini fuzz_selection
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/text" "$work/ini" "$work/selection"
for f in data/*.dat; do head -c 400 "$f" > "$work/text/$(basename "$f")"; done
printf '[Общая]\r\nВысота=400\r\nШирина=600\r\n' > "$work/ini/window.ini"
# Byte 0: class item, byte 1: the table replaced (0 wire, 1 classification, 2 spring).
for k in 0 8; do
    { printf "\\x$(printf %02x "$k")\\x02"; head -n 40 "data/$((13766 + k)).dat"; } \
        > "$work/selection/spring_$k"
done
{ printf '\x00\x00'; head -n 30 data/9389.dat; } > "$work/selection/wire"
{ printf '\x00\x01'; cat data/13764.dat; } > "$work/selection/classes"
./build-fuzz/tests/fuzz/fuzz_table_text -max_total_time="$seconds" -max_len=400 "$work/text"
./build-fuzz/tests/fuzz/fuzz_ini -max_total_time="$seconds" -max_len=2000 "$work/ini"
./build-fuzz/tests/fuzz/fuzz_selection -max_total_time="$seconds" -max_len=4000 "$work/selection"
