#!/usr/bin/env bash
# A console run recorded with --record replays to the same transcript, byte for byte, and
# starts with the seed it ran with.
# usage: console_replay.sh CONSOLE SCRIPT
set -u
console="$1" script="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$work/played" "$work/replayed"
XDG_DATA_HOME="$work/played" "$console" --seed 1 --record "$work/recording.mhs" "$script" \
  >"$work/played.out"
played=$?
[ "$(head -n 1 "$work/recording.mhs")" = "seed 1" ] || fail "the recording does not start with seed 1"
XDG_DATA_HOME="$work/replayed" "$console" "$work/recording.mhs" >"$work/replayed.out"
replayed=$?
[ -s "$work/played.out" ] || fail "the run printed nothing"
diff -u "$work/played.out" "$work/replayed.out" || fail "the replay's transcript differs"
[ "$played" = "$replayed" ] || fail "exit status $played played, $replayed replayed"
# The replay's own recording is the same script again.
XDG_DATA_HOME="$work/replayed2" "$console" --record "$work/again.mhs" "$work/recording.mhs" \
  >/dev/null
diff -u <(grep -v '^#' "$work/recording.mhs") <(grep -v '^#' "$work/again.mhs") ||
  fail "recording the replay gives another script"
exit 0
