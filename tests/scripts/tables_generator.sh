#!/bin/bash
# The table generator's method against hand-computed rows, and the committed tables
# against its output. Usage: tables_generator.sh <torvelix-exe> <source-dir>
set -eu
source_dir=$2
. "$source_dir/tests/scripts/lib/require.sh"
require_python_module unittest
cd "$source_dir/tools"
exec /usr/bin/python3 -m unittest -v test_gen_tables
