#!/bin/sh
# The manual pages format without a warning, and vinaxo-cli(1) documents every command
# and every option the program's own help shows.
# Usage: man_pages_test.sh MAN-DIR VINAXO-CLI
set -eu
MAN=$1
CLI=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

for page in "$MAN"/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$MAN/vinaxo-cli.1" 2>/dev/null | col -b)
commands=$("$CLI" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "vinaxo-cli --help lists no command"
missing=""
for c in $commands; do
    printf '%s\n' "$page" | grep -q "^   $c\b" || missing="$missing $c"
    for option in $("$CLI" "$c" --help | grep -o -e '--[a-z][a-z0-9-]*' | sort -u); do
        printf '%s\n' "$page" | grep -q -e "$option\b" || missing="$missing $c:$option"
    done
done
[ -z "$missing" ] || fail "vinaxo-cli(1) lacks:$missing"
echo "manual pages document: $(echo $commands)"
