#!/bin/sh
# The Debian package, made by CPack from this build tree as scripts/package makes it from
# a Release tree: its contents, its programs run from an unpacked copy, and lintian finds
# no error (its warnings are shown).
# Usage: package_test.sh BUILD-DIR
set -eu
BUILD=$1
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v $tool >/dev/null || fail "$tool is missing: run scripts/deps"
done

cpack --config "$BUILD/CPackConfig.cmake" -B "$W/out" >"$W/cpack.log" 2>&1 || { cat "$W/cpack.log"; fail "cpack"; }
set -- "$W"/out/vinaxo_*_*.deb
[ -f "$1" ] || { cat "$W/cpack.log"; fail "no package written"; }
DEB=$1
echo "package: $(basename "$DEB")"

dpkg-deb --field "$DEB" Package Section Depends
[ "$(dpkg-deb --field "$DEB" Section)" = sound ] || fail "section is not sound"
dpkg-deb --field "$DEB" Depends | grep -q libqt6widgets6 || fail "the dependencies were not computed"

# Every file where the desktop looks for it, and nothing else outside the help.
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./|/|' | sort >"$W/files"
cat >"$W/expected" <<'LIST'
/usr/bin/vinaxo
/usr/bin/vinaxo-cli
/usr/share/applications/vinaxo.desktop
/usr/share/bash-completion/completions/vinaxo-cli
/usr/share/doc/vinaxo/changelog.gz
/usr/share/doc/vinaxo/copyright
/usr/share/icons/hicolor/scalable/apps/vinaxo.svg
/usr/share/man/man1/vinaxo-cli.1.gz
/usr/share/man/man1/vinaxo.1.gz
/usr/share/metainfo/com.tremalik.vinaxo.metainfo.xml
/usr/share/mime/packages/vinaxo.xml
/usr/share/vinaxo/CDInfosite.txt
/usr/share/vinaxo/doc/index.htm
/usr/share/vinaxo/examples/sample.DAT
LIST
grep -v '^/usr/share/vinaxo/doc/' "$W/files" >"$W/outside-help" || true
grep -v '^/usr/share/vinaxo/doc/' "$W/expected" | diff -u - "$W/outside-help" || fail "unexpected contents"
grep -qx /usr/share/vinaxo/doc/index.htm "$W/files" || fail "no help"

# The programs, unpacked, run and find what ships beside them.
dpkg -x "$DEB" "$W/root"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$W/config" XDG_DATA_HOME="$W/data" XDG_RUNTIME_DIR="$W/run"
mkdir -m 700 "$W/run"
CLI="$W/root/usr/bin/vinaxo-cli"
[ "$("$CLI" version)" = "Release Level $(dpkg-deb --field "$DEB" Version)" ] || fail "vinaxo-cli version"
"$CLI" check "$W/root/usr/share/vinaxo/examples/sample.DAT" | tee "$W/check"
grep -q ': loaded, release 301, ' "$W/check" || fail "the example does not load"
"$W/root/usr/bin/vinaxo" --version | grep -q "^Vinaxo $(dpkg-deb --field "$DEB" Version)" || fail "vinaxo --version"
"$CLI" sites --list >"$W/sites"
grep -q '"gotSiteList": true' "$W/sites" || { cat "$W/sites"; fail "the shipped site list is not found"; }

lintian --fail-on error --tag-display-limit 0 "$DEB" >"$W/lintian" 2>&1 || { cat "$W/lintian"; fail "lintian found errors"; }
cat "$W/lintian"
echo "package ok"
