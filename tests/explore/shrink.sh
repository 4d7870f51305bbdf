#!/usr/bin/env bash
# The way out refuses a game that can only be quit, and --shrink keeps what makes a script fail:
# the stuck script fails at its check alone, its short script drops the commands that do not
# matter, keeps the one that does, and still fails at its check and only there.
# usage: shrink.sh CONSOLE SCRIPT
set -u
console="$1" script="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/user"
fail() { echo "shrink: $*"; exit 1; }

"$console" --seed 1 "$script" >"$work/full.out"
[ $? -eq 1 ] || fail "the stuck script did not fail"
last=$(wc -l <"$script")
grep -q "FAIL line $last: CheckGoOn: the game does not go on:" \
  "$work/full.out" || { cat "$work/full.out"; fail "the check did not name the stuck turn"; }
[ "$(grep -c ' FAIL ' "$work/full.out")" -eq 1 ] || fail "a command before the check failed"

"$console" --seed 1 --shrink "$script" --seconds 60 >"$work/shrink.out" || fail "--shrink failed"
cat "$work/shrink.out"
tail -n +2 "$work/shrink.out" >"$work/short.mhs"
lines=$(wc -l <"$work/short.mhs")
[ "$lines" -lt 20 ] || fail "nothing was dropped ($lines commands)"
grep -qx "set Army\[1\].movesLeft 0" "$work/short.mhs" || fail "the command that matters was dropped"
grep -q "Lord\[1\].gold" "$work/short.mhs" && fail "a command that does not matter stayed"
[ "$(tail -n 1 "$work/short.mhs")" = "call CheckGoOn" ] || fail "the check is not last"

rm -rf "$XDG_DATA_HOME"
"$console" --seed 1 "$work/short.mhs" >"$work/short.out"
[ $? -eq 1 ] || fail "the short script does not fail"
grep -q "FAIL line $lines: CheckGoOn: the game does not go on" "$work/short.out" || fail "the short script fails elsewhere"
[ "$(grep -c ' FAIL ' "$work/short.out")" -eq 1 ] || fail "a command of the short script failed"

# A script that does not fail cannot be shortened.
head -n -1 "$script" >"$work/clean.mhs"
"$console" --seed 1 --shrink "$work/clean.mhs" --seconds 5 >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "a clean script was shortened"
grep -q "does not fail at its last command alone" "$work/err" || fail "no message for a clean script"
exit 0
