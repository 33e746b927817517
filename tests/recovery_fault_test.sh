#!/bin/sh
# The fault test of the recovery copies: the application runs offscreen on a copy of the
# example collection, an edit is made through its test hooks, the process is killed with
# SIGKILL once the recovery copy is on disk (and again in the middle of a later copy's
# write), started again, Recover is chosen and the collection saved: the saved file must
# be, byte for byte, the collection as it was when the (whole) copy was made.
# Usage: recovery_fault_test.sh VINAXO VINAXO-CLI EXAMPLE.DAT
set -eu
APP=$1
CLI=$2
SAMPLE=$3
W=$(mktemp -d)
PID=
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null || true
    rm -rf "$W"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$W/config" XDG_DATA_HOME="$W/data"
export VINAXO_TEST_ANSWERS=none
REC="$W/data/Vinaxo/recovery"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to 60 s for a recovery record to appear.
wait_for_copy() {
    i=0
    while ! ls "$REC"/*.json >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -le 600 ] || fail "no recovery copy was written"
        sleep 0.1
    done
}

recover_and_save() {
    VINAXO_TEST_ANSWERS=Recover VINAXO_TEST_SAVE_AND_QUIT=1 "$APP" 2>"$W/recover.log" \
        || fail "the run that recovers failed: $(cat "$W/recover.log")"
    grep -q "Vinaxo was not closed properly. Recover the unsaved changes to $1 from" "$W/recover.log" \
        || fail "no recovery question for $1: $(cat "$W/recover.log")"
}

# What the edit gives when saved at once.
cp "$SAMPLE" "$W/expected.DAT"
VINAXO_TEST_EDIT=Typed VINAXO_TEST_SAVE_AND_QUIT=1 "$APP" "$W/expected.DAT" 2>/dev/null
cmp -s "$SAMPLE" "$W/expected.DAT" && fail "the edit changed nothing"

# 1. Killed after the copy is on disk.
cp "$SAMPLE" "$W/a.DAT"
VINAXO_RECOVERY_INTERVAL_MS=300 VINAXO_TEST_EDIT=Typed "$APP" "$W/a.DAT" 2>/dev/null &
PID=$!
wait_for_copy
kill -9 "$PID"
wait "$PID" 2>/dev/null || true
PID=
cmp -s "$SAMPLE" "$W/a.DAT" || fail "the original was changed before any Save"
recover_and_save "$W/a.DAT"
cmp "$W/a.DAT" "$W/expected.DAT" || fail "the recovered and saved collection differs"
ls "$REC"/*.DAT >/dev/null 2>&1 && fail "the recovery copy is still there after Save"

# 2. Killed in the middle of the second copy's write: the first stays whole.
cp "$SAMPLE" "$W/b.DAT"
VINAXO_RECOVERY_INTERVAL_MS=300 VINAXO_TEST_RECOVERY_WRITE_PAUSE_MS=5000 VINAXO_TEST_EDIT=Typed,Lost \
    "$APP" "$W/b.DAT" 2>/dev/null &
PID=$!
wait_for_copy
sleep 2
kill -9 "$PID"
wait "$PID" 2>/dev/null || true
PID=
"$CLI" recovery show 1 >"$W/show.json" || fail "recovery show failed"
grep -q '"loads": true' "$W/show.json" || fail "the previous copy is not readable: $(cat "$W/show.json")"
recover_and_save "$W/b.DAT"
cmp "$W/b.DAT" "$W/expected.DAT" || fail "the copy interrupted half way was taken"
echo "recovery fault test passed"
