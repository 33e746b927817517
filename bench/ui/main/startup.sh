#!/usr/bin/env bash
# Whole-process start-up of the application: to the empty main window, and with a
# 32,767-recording collection named on the command line to its list shown and idle.
# Prints the median wall time and peak memory of RUNS runs each.
# Usage: bench/ui/main/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-build/plain}"
runs="${2:-7}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$build/bench/ui/main/make_collection" 32767 "$tmp/big.DAT"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" VINAXO_QUIT_WHEN_IDLE=1
export XDG_CONFIG_HOME="$tmp/config"   # the user's settings stay untouched
measure() {
  local label="$1"; shift
  local out="$tmp/runs"
  : > "$out"
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %M" -o "$tmp/one" "$build/src/app/vinaxo" "$@" >/dev/null 2>&1
    tail -1 "$tmp/one" >> "$out"
  done
  local t m
  t="$(cut -d' ' -f1 "$out" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")"
  m="$(cut -d' ' -f2 "$out" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")"
  printf '%-26s median %s s over %d runs, peak memory median %d MB\n' "$label" "$t" "$runs" "$((m / 1024))"
}
echo "file: $(du -m "$tmp/big.DAT" | cut -f1) MB"
measure "empty main window" 
measure "32,767 recordings shown" "$tmp/big.DAT"
