#!/bin/bash
# Every C++ source and header of the project is formatted as .clang-format says.
# Usage: source_format.sh <torvelix-exe> <source-dir>
set -eu
source_dir=$2
. "$source_dir/tests/scripts/lib/require.sh"
require_command clang-format git
cd "$source_dir"
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "skipped: not a git checkout"
    exit 77
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatted: $(git ls-files '*.cpp' '*.h' | wc -l) files"
