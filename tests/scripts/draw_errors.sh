# `torvelix draw` failures as a user meets them: the exit status, the one-line message on
# standard error, and what is left in the DXF file.
set -u
exe="$1"
src="$2"
. "$src/tests/scripts/lib/require.sh"
require_python_module ezdxf
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fails=0

# expect STATUS STDERR-LINE FILE-SHOULD-EXIST ARGS...
expect() {
    local status="$1" message="$2" file="$3"
    shift 3
    rm -f "$work/out.dxf"
    "$exe" draw "$@" -o "$work/out.dxf" 2> "$work/err.txt" > "$work/out.txt"
    local got=$?
    if [ "$got" != "$status" ]; then
        echo "FAIL: status $got, expected $status: $*" >&2
        fails=$((fails + 1))
    fi
    if [ -n "$message" ] && ! grep -qxF -- "$message" "$work/err.txt"; then
        echo "FAIL: expected '$message', got '$(cat "$work/err.txt")': $*" >&2
        fails=$((fails + 1))
    fi
    if [ "$file" = yes ] && [ ! -s "$work/out.dxf" ]; then
        echo "FAIL: no DXF written: $*" >&2
        fails=$((fails + 1))
    fi
    if [ "$file" = no ] && [ -e "$work/out.dxf" ]; then
        echo "FAIL: a DXF was written: $*" >&2
        fails=$((fails + 1))
    fi
}

ok="--D0 20 --d 2 --t 6 --n 5"
# Refused before anything is drawn: no file.
expect 1 "error: Параметры пружины L0, L1, L2, L3 не должны равняться нулю!" no \
    --view broken --ends 1 $ok --diagram --L0 60 --L1 50 --L2 40
expect 1 "error: Неверное число '2,5'. Дробную часть отделяйте точкой." no --view full --ends 1 \
    --D0 20 --d 2,5 --t 6 --n 5
expect 1 "error: Количество рабочих витков n должно быть не меньше 1!" no \
    --view section --ends 1 --D0 20 --d 2 --t 6 --n 0.9
expect 1 "error: Количество рабочих витков n должно быть не больше 255!" no \
    --view full --ends 1 --D0 20 --d 2 --t 6 --n 256
expect 1 "error: Средний диаметр пружины D0 должен быть больше нуля!" no \
    --view cut --ends 2 --D0 -20 --d 2 --t 6 --n 5
expect 1 "error: Диаметр проволоки d должен быть больше нуля!" no \
    --view cut --ends 2 --D0 20 --d 0 --t 6 --n 5
expect 1 "error: Шаг пружины t должен быть больше нуля!" no \
    --view full --ends 2 --D0 20 --d 2 --t 0 --n 5
expect 1 "error: Длина пружины L3 не должна равняться длине в свободном состоянии L0!" no \
    --view broken --ends 1 $ok --diagram --L0 60 --L1 60 --L2 60 --L3 60
# Zero lengths without the diagram draw the spring.
expect 0 "" yes --view broken --ends 1 $ok --L0 0

# Failures while drawing: the message, and no file (a half drawing is no drawing).
expect 1 "error: Расстояние между точками меньше длины пружины в сжатом состоянии!" no \
    --view full --ends 2 --D0 20 --d 2 --n 8 --L3 40 --inscribe --end 39,0
# Geometry that cannot be drawn is named, not reported as a CAD link failure.
expect 1 "error: Шаг пружины t должен быть больше диаметра проволоки d!" no \
    --view full --ends 1 --D0 20 --d 12 --t 1 --n 5
expect 1 "error: Средний диаметр пружины D0 слишком велик для чертежа (больше 1000000 мм)!" no \
    --view broken --ends 2 --D0 1e15 --d 2 --t 6 --n 5
# A start point near the largest double: refused after the pick, no number beyond it.
expect 1 "error: Точка лежит слишком далеко от начала координат (координата больше 1E9 мм)!" no \
    --view full --ends 2 $ok --start 1.7e308,0

# A file that cannot be written: the message, status 1.
"$exe" draw --view full --ends 1 $ok -o "$work/no/such/dir/out.dxf" 2> "$work/err.txt"
status=$?
if [ "$status" != 1 ] || ! grep -q "^error: " "$work/err.txt"; then
    echo "FAIL: unwritable output gave status $status: $(cat "$work/err.txt")" >&2
    fails=$((fails + 1))
fi

# Bad command lines.
expect 2 "" no --view top --ends 1 $ok
expect 2 "" no --view full --ends 5 $ok
expect 2 "" no --view full --ends 1 --D0 20 --d 2 --t 6
expect 2 "" no --view full --ends 1 $ok --diagram
expect 2 "" no --view broken --ends 1 $ok --inscribe
expect 2 "" no --view broken --ends 1 $ok --start 1
expect 2 "" no --view broken --ends 1 $ok --tilemode 2
expect 2 "" no --view broken --ends 1 $ok --tt "$work/missing.txt" --tt-corner 0,0
printf 'items=12\n' > "$work/bad.txt"
expect 2 "" no --view broken --ends 1 $ok --tt "$work/bad.txt" --tt-corner 0,0
if ! "$exe" draw --help | grep -q "^Usage: torvelix draw"; then
    echo "FAIL: help" >&2
    fails=$((fails + 1))
fi

[ "$fails" = 0 ]
