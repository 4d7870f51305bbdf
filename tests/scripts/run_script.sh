#!/usr/bin/env bash
# Runs a console script and compares its transcript with the expected one.
# usage: run_script.sh CONSOLE SCRIPT EXPECTED
set -u
console="$1" script="$2" expected="$3"
actual="$(mktemp)"
trap 'rm -f "$actual"' EXIT
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME" "$actual"' EXIT
"$console" --seed 1 "$script" >"$actual"
status=$?
if ! diff -u "$expected" "$actual"; then
  echo "transcript differs from $expected"
  exit 1
fi
exit $status
