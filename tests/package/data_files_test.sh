#!/bin/sh
# The desktop integration files as the desktop sees them: the entry, the metainfo and the
# file type validate without a remark, and the file type's magic recognises the example.
# Usage: data_files_test.sh DATA-DIR EXAMPLE.DAT
set -eu
DATA=$1
EXAMPLE=$2
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every tool must stay silent: a hint or a warning is a fault here too.
quiet() {
    "$@" >"$W/out" 2>&1 || { cat "$W/out"; fail "$*"; }
    if grep -v -e '^✔ Validation was successful' "$W/out" | grep -q .; then
        cat "$W/out"
        fail "$* has remarks"
    fi
}
quiet desktop-file-validate "$DATA/vinaxo.desktop"
quiet appstreamcli validate --no-net --pedantic "$DATA/com.tremalik.vinaxo.metainfo.xml"
quiet xmllint --noout "$DATA/vinaxo-mime.xml"

# The shared MIME database accepts the type, with its pattern and its magic.
mkdir -p "$W/mime/packages"
cp "$DATA/vinaxo-mime.xml" "$W/mime/packages/vinaxo.xml"
export XDG_DATA_HOME="$W"
quiet update-mime-database "$W/mime"
[ -f "$W/mime/application/x-vinaxo-collection.xml" ] || fail "the file type is not in the database"
grep -q ':application/x-vinaxo-collection:\*\.DAT:cs' "$W/mime/globs2" || fail "no *.DAT pattern"

# The example's first ten bytes are one of the magic values.
head=$(od -An -tx1 -N10 "$EXAMPLE" | tr -d ' \n')
found=no
for value in $(sed -n 's/.*<match type="string" offset="0" value="\([^"]*\)".*/\1/p' "$DATA/vinaxo-mime.xml"); do
    [ "$(printf '%s' "$value" | sed 's/\\x//g')" = "$head" ] && found=yes
done
[ $found = yes ] || fail "the magic does not match the example (it starts $head)"
echo "data files valid"
