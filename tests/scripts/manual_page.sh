#!/bin/bash
# The manual page against the program: every command of `torvelix --help` and every
# option of each command's --help is in the page, its sections are there, and the
# configured page's footer carries the version that --version prints.
# Usage: manual_page.sh <torvelix-exe> <source-dir>
set -u
exe=$1
source_dir=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The page as text: roff's escaped minus and font changes removed.
page=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$source_dir/dist/torvelix.1")
in_page() { grep -qF -- "$1" <<<"$page"; }

for command in calc draw check-tables; do
    "$exe" --help | grep -q "torvelix $command" || fail "--help does not list $command"
    in_page ".SS $command" || fail "the page has no section for $command"
    help=$("$exe" "$command" --help) || fail "$command --help failed"
    # Options as the help writes them: --name, and the short -o / -h.
    for option in $(grep -oE -- '(^|[ [,|])--?[A-Za-z][A-Za-z0-9-]*' <<<"$help" |
        sed 's/^[ [,|]//' | sort -u); do
        in_page "$option" || fail "$command's option $option is not in the manual page"
    done
done
for option in $("$exe" --help | grep -oE -- ' --?[a-z][a-z-]*' | sort -u); do
    in_page "$option" || fail "the option $option of --help is not in the manual page"
done
for section in SYNOPSIS DESCRIPTION COMMANDS OPTIONS "TABLE FORMAT" FILES ENVIRONMENT \
    "EXIT STATUS" EXAMPLES "SEE ALSO"; do
    in_page ".SH $section" || fail "the page has no section $section"
done
for place in XDG_DATA_HOME /etc/torvelix/ ../share/torvelix/ tables.md; do
    in_page "$place" || fail "the page does not name $place"
done

configured="$(dirname "$exe")/../dist/torvelix.1"
version=$("$exe" --version | sed 's/^torvelix //')
if [ -f "$configured" ]; then
    head -n 1 "$configured" | grep -qF "\"torvelix $version\"" ||
        fail "the configured page's footer: $(head -n 1 "$configured")"
else
    fail "no configured page at $configured"
fi
if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$source_dir/dist/torvelix.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man reports: $warnings"
fi
exit $((failures > 0))
