#!/bin/bash
# The bash completion of vinaxo-cli, called as bash calls it: commands, the files each
# argument wants, option values, and every option the program's own help shows.
# Usage: completion_test.sh COMPLETION-FILE VINAXO-CLI
set -u
COMPLETION=$1
CLI=$(realpath "$2")
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
source /usr/share/bash-completion/bash_completion || exit 1
source "$COMPLETION" || exit 1
failures=0

complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _vinaxo_cli vinaxo-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want=$1
    shift
    local got
    got=$(complete_line "$@")
    if [[ $got != "$want" ]]; then
        echo "FAIL: '$*' completes to '$got', not '$want'" >&2
        failures=$((failures + 1))
    fi
}

cd "$W" || exit 1
touch music.DAT old.dat fields.IDF list.TXT notes.txt album.cue album.bin disc.nrg report.pdf
expect "check convert" vinaxo-cli c
expect "music.DAT old.dat" vinaxo-cli check ""
expect "fields.IDF" vinaxo-cli import music.DAT ""
expect "list.TXT notes.txt" vinaxo-cli export --sort 127 music.DAT fields.IDF ""
expect "list.TXT notes.txt" vinaxo-cli import --field-delimiter=";" music.DAT fields.IDF ""
expect "report.pdf" vinaxo-cli print music.DAT --pdf ""
expect "album.cue disc.nrg" vinaxo-cli discid ""
expect "musicbrainz" vinaxo-cli lookup --source m
expect "create show" vinaxo-cli definition ""
expect "title,trackdesc title,tracktitle" vinaxo-cli export --filter-fields title,tr
expect "" vinaxo-cli version ""

# Every command and every option of each.
commands=$("$CLI" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[[ -n $commands ]] || { echo "FAIL: vinaxo-cli --help lists no command" >&2; exit 1; }
listed=" $(complete_line vinaxo-cli "") "
for c in $commands; do
    if [[ $listed != *" $c "* ]]; then
        echo "FAIL: the command $c is not completed" >&2
        failures=$((failures + 1))
    fi
    offered=" $(complete_line vinaxo-cli "$c" --) "
    for option in $("$CLI" "$c" --help | grep -o -e '--[a-z][a-z0-9-]*' | sort -u); do
        if [[ $offered != *" $option "* ]]; then
            echo "FAIL: vinaxo-cli $c does not complete $option" >&2
            failures=$((failures + 1))
        fi
    done
done
((failures == 0)) || exit 1
echo "completion works"
