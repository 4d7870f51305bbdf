#!/usr/bin/env bash
# A recording cut off anywhere (as a crash or a kill leaves it) replays up to its last line
# without failing; cut after a `get`, its transcript is the whole recording's up to that get's value.
# usage: cut_off.sh CONSOLE SCRIPT
set -u
console="$1" script="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

XDG_DATA_HOME="$work/whole" "$console" --seed 1 --record "$work/recorded.mhs" "$script" \
  >"$work/whole.out" || fail "the whole recorded run failed"
total=$(wc -l <"$work/recorded.mhs")
gets=$(grep -n '^get ' "$work/recorded.mhs" | cut -d: -f1)
[ -n "$gets" ] || fail "the recording has no get to cut after"
for k in 1 3 $((total / 2)) $((total - 1)) $gets; do
  head -n "$k" "$work/recorded.mhs" >"$work/cut.mhs"
  rm -rf "$work/user"
  XDG_DATA_HOME="$work/user" "$console" "$work/cut.mhs" >"$work/cut.out" ||
    fail "the first $k lines do not replay cleanly"
  if grep -q ' FAIL ' "$work/cut.out"; then
    fail "the first $k lines fail: $(grep ' FAIL ' "$work/cut.out")"
  fi
  n=$(grep -c '^get ' "$work/cut.mhs")
  [ "$n" -gt 0 ] || continue
  # The n-th get's value ends the same lines in both transcripts.
  at=$(grep -n '^[0-9]* get ' "$work/cut.out" | sed -n "${n}p" | cut -d: -f1)
  [ -n "$at" ] || fail "the first $k lines replay without the value of their get number $n"
  [ "$(grep -n '^[0-9]* get ' "$work/whole.out" | sed -n "${n}p" | cut -d: -f1)" = "$at" ] ||
    fail "the first $k lines replay their get number $n at another line"
  cmp -s <(head -n "$at" "$work/whole.out") <(head -n "$at" "$work/cut.out") ||
    fail "the first $k lines replay to another transcript:
$(diff <(head -n "$at" "$work/whole.out") <(head -n "$at" "$work/cut.out") | head -6)"
done
exit 0
