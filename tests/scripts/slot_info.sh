#!/usr/bin/env bash
# The small file kept beside each saved game: saves.mhs saves two slots and loads one back;
# then slot 1 loses its small file and slot 2's cannot be replaced (a folder stands in its
# place), and loads.mhs loads and saves them. Each transcript is compared with its expected one,
# and slot 2's files must not have changed.
# usage: slot_info.sh CONSOLE
set -u
console="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/slot_info"
export XDG_DATA_HOME="$(mktemp -d)"
actual="$(mktemp)"
trap 'rm -rf "$XDG_DATA_HOME" "$actual"' EXIT
user="$XDG_DATA_HOME/marchholt"
failures=0

run() {
  "$console" --seed 1 "$here/$1.mhs" >"$actual"
  local status=$?
  if ! diff -u "$here/$1.expected" "$actual"; then
    echo "transcript differs from $1.expected"
    failures=$((failures + 1))
  fi
  if [ "$status" != 0 ]; then
    echo "$1.mhs ended with status $status"
    failures=$((failures + 1))
  fi
}

run saves
for file in Savegame01.info Savegame02.info; do
  if ! grep -q '^round=2$' "$user/$file"; then
    echo "$file does not keep round 2"
    failures=$((failures + 1))
  fi
done
rm -f "$user/Savegame01.info"
cp "$user/Savegame02.int" "$XDG_DATA_HOME/before.int"
rm -f "$user/Savegame02.info"
mkdir -p "$user/Savegame02.info"
touch "$user/Savegame02.info/keep"
run loads
if ! cmp -s "$user/Savegame02.int" "$XDG_DATA_HOME/before.int"; then
  echo "slot 2 changed although its save failed"
  failures=$((failures + 1))
fi
exit $((failures > 0))
