#!/usr/bin/env bash
# A day of virtual time on the strategic map, the longest wait a script may ask for, passes in
# moments: the music keeps its rhythm (a track after each, the same tracks as ever) without a
# sample being decoded. The test's time limit is far below what decoding a day of music takes.
# usage: virtual_day.sh CONSOLE
set -u
console="$1"
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
out=$("$console" --seed 5 <<'SCRIPT'
click SpeedButton4
click Yes
click "Start a new game"
click "Desert Of Darkness"
click "Start the game"
click Diff4Button
click Continue
click Continue
wait 86400000
expect CurrentLord 1
SCRIPT
) || fail "the script failed: $(printf '%s\n' "$out" | grep FAIL)"
starts=$(printf '%s\n' "$out" | grep -c ' music start ')
ends=$(printf '%s\n' "$out" | grep -c ' music end ')
# Tracks of a few minutes each, one after another, all day long.
[ "$starts" -gt 1000 ] || fail "only $starts tracks started in a day"
[ $((starts - ends)) -le 1 ] || fail "$starts tracks started, $ends ended"
last=$(printf '%s\n' "$out" | grep ' music start ' | tail -n 1 | cut -d' ' -f1)
[ "$last" -gt 86000000 ] || fail "the last track started at $last ms"
echo "a day: $starts tracks"
