# Sourced by trust_checks.sh: the calculation's trust in its tables and options, the
# estimate notice, the headless PDF, and what messages quote. Uses its run, fail, skip,
# err_has, out_has, table, fresh_tables, $exe, $prog and $work.

# --- calc --docx with no spring proposed -------------------------------------------
# The default inputs with an end moving at 100 m/s: candidates, the coils of each
# colliding, so none is proposed; an older document must not pass for this report.
echo "older document" >"$work/older.docx"
run 1 "calc --docx with no spring proposed" "$prog" calc --vmax 100 --docx "$work/older.docx"
err_has "--docx, none proposed" "no spring proposed: no report written to $work/older.docx"
[ "$(cat "$work/older.docx")" = "older document" ] || fail "--docx, none proposed: the old file changed"

# --- The estimate notice follows the rows, not the bytes -----------------------------
sed -i 's/\r$//' "$(table 13766)"                             # CR LF -> LF
printf '%s' "$(cat "$(table 13767)")" >"$work/t" && mv "$work/t" "$(table 13767)" # no last line end
run 0 "check-tables after changes of line ends only" "$prog" check-tables
[ "$(grep -c 'the computed estimate shipped with the program' "$work/err")" = 11 ] ||
    fail "line ends alone made a shipped estimate table pass for the standard's"
fresh_tables

# --- Table rows the calculation would use are checked first --------------------------
# Row 383 of 13766 (F3 106, d 1.80, D1 12) is a candidate for the default inputs.
row383() { # row383 <columns 19-25> <columns 27-31>
    sed -i "383s/^\(.\{18\}\).\{7\}.\(.\{5\}\)/\1$1 $2/" "$(table 13766)"
}
row383 '  97.07' '    0' # s3' = 0: the free pitch would be d
run 1 "s3' = 0 in a used row" "$prog" calc --num 383 --report-only
err_has "s3' = 0" "Ошибка в таблице $(table 13766), строка 383: field 5 s3' is 0, not a positive number"
run 1 "check-tables on s3' = 0" "$prog" check-tables
out_has "check-tables, s3' = 0" "$(table 13766):383: field 5 s3' is 0, not a positive number"
fresh_tables
row383 '  1e308' ' 1.09'
run 1 "c1 = 1e308 in a used row" "$prog" calc
err_has "c1 = 1e308" "Ошибка в таблице $(table 13766), строка 383: F3 106 differs from c1 * s3' = 1.09e+308"
fresh_tables

# --- A table that is a FIFO stops nothing --------------------------------------------
rm "$(table 13766)"
mkfifo "$(table 13766)"
run 1 "a spring table that is a FIFO" "$prog" calc
err_has "FIFO table" "Не могу найти таблицу $(table 13766)"
fresh_tables

# --- Headless PDF whatever the platform plugin ----------------------------------------
for platform in xcb no-such-platform; do
    rm -f "$work/platform.pdf"
    run 0 "draw -o x.pdf with QT_QPA_PLATFORM=$platform" env -u DISPLAY -u WAYLAND_DISPLAY \
        QT_QPA_PLATFORM=$platform "$exe" draw --view full --ends 1 --D0 20 --d 2 --t 6 --n 5 \
        -o "$work/platform.pdf"
    [ "$(head -c 5 "$work/platform.pdf" 2>/dev/null)" = "%PDF-" ] ||
        fail "QT_QPA_PLATFORM=$platform: no PDF written"
done

# --- What messages quote --------------------------------------------------------------
# A NUL byte inside a field does not cut the message off.
printf '  1\000''05  1.00  2.4   1.474 0.678\r\n' >"$(table 13766)" # F3 "  1", NUL, "05"
run 1 "a NUL byte in a table field" "$prog" calc
err_has "NUL in a field" "Неверное число '  1\\x0005'. Дробную часть отделяйте точкой."
fresh_tables
# Terminal control characters in a file name are written out, never sent raw.
bad_name=$(printf '%s/esc\033[2J\007.svg' "$work")
mkdir -p "$bad_name"
run 1 "a file name with ESC and BEL" "$exe" draw --view full --ends 1 --D0 20 --d 2 --t 6 --n 5 \
    -o "$bad_name"
err_has "escaped file name" "$work/esc\\x1B[2J\\x07.svg"
if grep -q "$(printf '\033')" "$work/err" || grep -q "$(printf '\007')" "$work/err"; then
    fail "ESC or BEL reached standard error raw"
fi
rmdir "$bad_name"
