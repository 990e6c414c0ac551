# The complete drawing of springs from one coil to 255, each view, both numbers of coils
# at a break: read back with ezdxf and measured with the font's metrics (sheet_check.py).
set -eu
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module ezdxf fontTools
test -f /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf || exit 77
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 "$src/tests/scripts/sheet_check.py" "$exe" "$work"
