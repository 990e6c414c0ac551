# Sourced by trust_checks.sh: the file writer against hostile and shared file systems,
# for every kind of file the command line writes (DXF, SVG, PDF, .docx). Uses its
# run, fail, skip, err_has, $exe, $prog and $work. Cases that need another user run as a
# user made here with useradd (removed at the end) when the script runs as root.

write_svg=(timeout 60 "$exe" draw --view full --ends 1 --D0 20 --d 2 --t 6 --n 5 -o)
write_pdf=(env QT_QPA_PLATFORM=offscreen timeout 60 "$exe" draw --view full --ends 1 --D0 20
    --d 2 --t 6 --n 5 -o)
writer_kinds="dxf svg pdf docx"

# --- Another user -----------------------------------------------------------------
other=""
if [ "$(id -u)" = 0 ]; then
    if command -v useradd >/dev/null && command -v runuser >/dev/null; then
        other="tvx$$"
        if useradd -M -U -s /usr/sbin/nologin "$other" 2>"$work/useradd.err"; then
            trap 'userdel -f "$other" >/dev/null 2>&1; groupdel "$other" >/dev/null 2>&1; rm -rf "$work"' EXIT
        else
            skip "useradd failed ($(head -c 200 "$work/useradd.err")): no second user"
            other=""
        fi
    else
        skip "no useradd or runuser: the cases of a second user cannot run"
    fi
else
    skip "not root: no second user can be made; the cases that need one do not run"
fi
as_other() { runuser -u "$other" -- "$@"; }

# --- Links another user planted in a shared sticky folder ----------------------------
# The rule of fs.protected_symlinks, kept whatever this machine's setting
# ($(cat /proc/sys/fs/protected_symlinks 2>/dev/null)): root does not follow a link of
# another user in a sticky world-writable folder.
if [ -n "$other" ]; then
    shared="$work/shared"
    mkdir "$shared"
    chmod 1777 "$shared"
    mkdir -m 700 "$work/rootonly"
    for kind in $writer_kinds; do
        declare -n write="write_$kind"
        echo victim >"$work/victim.$kind"
        as_other ln -s "$work/victim.$kind" "$shared/planted.$kind"
        run 1 "$kind: link planted in a sticky folder" "${write[@]}" "$shared/planted.$kind"
        err_has "$kind: planted link" "символическая ссылка $shared/planted.$kind"
        [ "$(cat "$work/victim.$kind")" = victim ] || fail "$kind: the planted link's file was written"
        # A dangling link (here into a folder only root may enter) creates nothing.
        as_other ln -s "$work/rootonly/made.$kind" "$shared/dangling.$kind"
        run 1 "$kind: dangling link planted" "${write[@]}" "$shared/dangling.$kind"
        err_has "$kind: dangling link" "символическая ссылка $shared/dangling.$kind"
        [ -e "$work/rootonly/made.$kind" ] && fail "$kind: a dangling link made root create a file"
    done
    # The link's owner may use it: it is theirs.
    mkdir "$work/theirs"
    echo theirs >"$work/theirs/file.dxf"
    chown -R "$other" "$work/theirs"
    as_other ln -s "$work/theirs/file.dxf" "$shared/theirs.dxf"
    run 0 "link followed by its owner" as_other "${write_dxf[@]}" "$shared/theirs.dxf"
    [ "$(head -c 6 "$work/theirs/file.dxf")" != theirs ] ||
        fail "the link's owner could not write through it"
    [ -z "$(ls -A "$shared" | grep -v -e '^planted\.' -e '^dangling\.' -e '^theirs\.')" ] ||
        fail "files left in the shared folder: $(ls -A "$shared" | tr '\n' ' ')"
fi
# A dangling link of one's own is refused too, by name.
ln -s "$work/nowhere/made.svg" "$work/own-dangling.svg"
run 1 "own dangling link" "${write_svg[@]}" "$work/own-dangling.svg"
err_has "own dangling link" "символическая ссылка $work/own-dangling.svg ведет к несуществующему файлу"

# --- What a replaced file keeps --------------------------------------------------------
keep="$work/keep"
mkdir "$keep"
chmod 777 "$keep"
for kind in $writer_kinds; do
    declare -n write="write_$kind"
    f="$keep/shared.$kind"
    # A second hard link sees the new content.
    echo old >"$f"
    ln "$f" "$keep/second.$kind"
    run 0 "$kind: file with two hard links" "${write[@]}" "$f"
    [ "$(head -c 3 "$keep/second.$kind")" != old ] || fail "$kind: the second hard link kept the old content"
    [ "$(stat -c %h "$f")" = 2 ] || fail "$kind: the hard link was broken"
    rm "$keep/second.$kind"
    # Extended attributes and the ACL stay.
    if command -v setfattr >/dev/null && setfattr -n user.torvelix -v kept "$f" 2>/dev/null; then
        run 0 "$kind: file with an attribute" "${write[@]}" "$f"
        [ "$(getfattr --only-values -n user.torvelix "$f" 2>/dev/null)" = kept ] ||
            fail "$kind: the extended attribute was dropped"
    else
        skip "$kind: no setfattr or no user attributes here"
    fi
    if command -v setfacl >/dev/null && setfacl -m u:nobody:r "$f" 2>/dev/null; then
        acl_before=$(getfacl -c "$f" 2>/dev/null)
        run 0 "$kind: file with an ACL" "${write[@]}" "$f"
        [ "$(getfacl -c "$f" 2>/dev/null)" = "$acl_before" ] || fail "$kind: the ACL was not kept"
    else
        skip "$kind: no setfacl or no ACLs here"
    fi
    # A group member saving over a group-writable file of another user: the file stays
    # the other user's.
    if [ -n "$other" ]; then
        rm -f "$f"
        echo old >"$f"
        chown "nobody:$other" "$f"
        chmod 664 "$f"
        run 0 "$kind: group member saves over another's file" as_other "${write[@]}" "$f"
        [ "$(stat -c %U:%G:%a "$f")" = "nobody:$other:664" ] ||
            fail "$kind: owner, group or mode changed to $(stat -c %U:%G:%a "$f")"
        [ "$(head -c 3 "$f")" != old ] || fail "$kind: the group member's save was not written"
        # Root's save keeps the other user's ownership too.
        run 0 "$kind: root saves over another's file" "${write[@]}" "$f"
        [ "$(stat -c %U:%G:%a "$f")" = "nobody:$other:664" ] ||
            fail "$kind: root's save changed the owner to $(stat -c %U:%G:%a "$f")"
    fi
    [ -z "$(ls -A "$keep" | grep -v "^shared\.")" ] || fail "$kind: files left: $(ls -A "$keep" | tr '\n' ' ')"
done

# --- Names as long as the file system takes ----------------------------------------
long="$work/$(head -c 246 /dev/zero | tr '\0' n).svg"
run 0 "a 250-byte file name" "${write_svg[@]}" "$long"
run 0 "a 250-byte file name replaced" "${write_svg[@]}" "$long"
deep="$work/deep"
while [ $((4090 - ${#deep} - 1)) -gt 250 ]; do deep="$deep/$(head -c 200 /dev/zero | tr '\0' f)"; done
mkdir -p "$deep"
deep="$deep/$(head -c $((4090 - ${#deep} - 1)) /dev/zero | tr '\0' p)"
[ ${#deep} = 4090 ] || fail "the deep path is ${#deep} bytes, not 4090"
run 0 "a 4,090-byte path" "${write_svg[@]}" "$deep"
run 0 "a 4,090-byte path replaced" "${write_svg[@]}" "$deep"
rm -rf "$work/deep" "$long"

# --- A folder that refuses the file is named as the reason --------------------------
if [ -n "$other" ]; then
    mkdir "$work/closed"
    chmod 755 "$work/closed"
    run 1 "new file in a folder of another user" as_other "${write_svg[@]}" "$work/closed/new.svg"
    err_has "folder refusing" "нет доступа к папке $work/closed"
fi

# --- Standard output closed ----------------------------------------------------------
"${write_svg[@]}" "$work/closed-stdout.svg" >&- 2>"$work/err"
[ $? = 0 ] || fail "draw with standard output closed: exit $?, expected 0 ($(head -c 300 "$work/err"))"
grep -q "<svg" "$work/closed-stdout.svg" || fail "draw with standard output closed: file not written"
"$exe" calc >&- 2>"$work/err"
[ $? = 1 ] || fail "calc with standard output closed: its output was lost, yet not exit 1"
err_has "calc, standard output closed" "cannot write standard output"
