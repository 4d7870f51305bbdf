#!/usr/bin/env bash
# The console refuses what it cannot hold: numbers that do not fit, a wait longer than a day, a
# call with the wrong arguments and options out of range each end the run with exit status 2 and
# a message naming the line, never with a crash or a hang.
# usage: refused_input.sh CONSOLE
set -u
console="$1"
export XDG_DATA_HOME="$(mktemp -d)"
scratch="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME" "$scratch"' EXIT
failures=0

# expect STATUS MESSAGE SCRIPT [OPTION...]: runs SCRIPT (text) with the options and compares the
# exit status and the last line the console wrote to standard error.
expect() {
  local want_status="$1" want_message="$2" script="$3"
  shift 3
  printf '%s\n' "$script" >"$scratch/script.mhs"
  timeout 120 "$console" "$@" "$scratch/script.mhs" >"$scratch/out" 2>"$scratch/err"
  local status=$?
  local message
  message="$(tail -n 1 "$scratch/err")"
  if [ "$status" != "$want_status" ] || [ "$message" != "$want_message" ]; then
    echo "FAILED: $* ${script//$'\n'/; }"
    echo "  exit $status, wanted $want_status"
    echo "  said:   $message"
    echo "  wanted: $want_message"
    failures=$((failures + 1))
  fi
}

line1="marchholt-console: line 1:"
expect 2 "$line1 wait is at most 86400000 ms (a day)" "wait 99999999999999999999999"
expect 2 "$line1 wait is at most 86400000 ms (a day)" "wait 9223372036854775807"
expect 2 "marchholt-console: line 2: wait is at most 86400000 ms (a day)" \
  $'wait 1000\nwait 9223372036854775000'
expect 2 "$line1 seed needs a number from 0 to 4294967295" "seed 99999999999999999999999"
expect 2 "marchholt-console: line 2: call FindRollRange: takes 1 argument, not 2" \
  $'wait 1000\ncall FindRollRange 1 2\nquit'
expect 2 "$line1 call FindRollRange: argument 1 is not a 32-bit whole number: 99999999999" \
  $'call FindRollRange 99999999999\nquit'
expect 2 "$line1 call SaveGame: takes 1 argument, not 0" $'call SaveGame\nquit'
expect 2 "$line1 set Lord[1].gold: \"2147483648\" is not a 32-bit integer" \
  $'set Lord[1].gold 2147483648\nquit'
expect 2 "$line1 set Lord[1].gold: \"-2147483649\" is not a 32-bit integer" \
  $'set Lord[1].gold -2147483649\nquit'
# Every 32-bit value is taken.
expect 0 "" $'set Lord[1].gold -2147483648\nexpect Lord[1].gold -2147483648
set Lord[1].gold 2147483647\nexpect Lord[1].gold 2147483647\nquit'

expect 2 "marchholt-console: --rounds wants a whole number from 1 to 1000000, not \"-5\"" \
  "quit" --autoplay darkmines --rounds -5
expect 2 "marchholt-console: --rounds wants a whole number from 1 to 1000000, not \"abc\"" \
  "quit" --autoplay darkmines --rounds abc
expect 2 "marchholt-console: --seed wants a whole number from 0 to 4294967295, not \"99999999999999999999999\"" \
  "quit" --seed 99999999999999999999999
expect 2 "marchholt-console: --seed wants a whole number from 0 to 4294967295, not \"-1\"" \
  "quit" --autoplay darkmines --seed -1

# The passive lord must be one the scenario has, the difficulty one of the difficulty screen's.
expect 2 "marchholt-console: --passive wants a whole number from 1 to 4, not \"5\"" \
  "quit" --autoplay showdown --rounds 5 --passive 5
expect 2 "marchholt-console: --passive wants a lord of showdown (1, 3), not 2" \
  "quit" --autoplay showdown --rounds 5 --passive 2 --difficulty 7
expect 2 "marchholt-console: --difficulty wants 1 (Very easy), 3 (Easy), 5 (Medium-Easy), 7 (Medium), 9 (Medium-Difficult), 10 (Difficult) or 12 (God-like), not \"8\"" \
  "quit" --autoplay showdown --rounds 5 --passive 1 --difficulty 8
expect 2 "marchholt-console: --difficulty wants 1 (Very easy), 3 (Easy), 5 (Medium-Easy), 7 (Medium), 9 (Medium-Difficult), 10 (Difficult) or 12 (God-like), not \"Medium\"" \
  "quit" --autoplay showdown --rounds 5 --difficulty Medium
expect 2 "marchholt-console: --passive and --difficulty go with --autoplay" \
  "quit" --passive 1
expect 0 "" "quit" --autoplay showdown --rounds 5 --passive 3 --difficulty 12

# A line longer than 64 KB is refused at once with its number, and a message quotes at most
# 80 characters of what it refuses.
long=$(head -c 70000 /dev/zero | tr '\0' 'x')
expect 2 "marchholt-console: line 2: longer than 65536 characters" $'wait 10\n'"$long"
expect 2 "marchholt-console: line 1: unknown command \"$(head -c 80 /dev/zero | tr '\0' 'y')...\"" \
  "$(head -c 5000 /dev/zero | tr '\0' 'y')"
printf 'click %s\n' "$(head -c 3000 /dev/zero | tr '\0' 'z')" >"$scratch/click.mhs"
(cd "$scratch" && timeout 120 "$console" click.mhs >"$scratch/out" 2>&1)
if ! grep -q "no control or button \"$(head -c 80 /dev/zero | tr '\0' 'z')...\" on " "$scratch/out" ||
  [ "$(wc -L <"$scratch/out")" -gt 400 ]; then
  echo "FAILED: a refused control's name is quoted whole: $(head -c 300 "$scratch/out")"
  failures=$((failures + 1))
fi

# A screenshot is written below the script's folder (or --shots DIR) and never over a file that
# is not a PNG picture.
shots="$scratch/shots"
mkdir -p "$shots/sub"
echo "keep me" >"$shots/notes.png"
echo "keep me" >"$scratch/outside.png"
shoot() {  # shoot WANTED_STATUS PATH: a screenshot of the main menu to PATH below $shots
  printf 'screenshot %s\nquit\n' "$2" >"$scratch/shot.mhs"
  timeout 120 "$console" --shots "$shots" "$scratch/shot.mhs" >"$scratch/out" 2>&1
  local status=$?
  if [ "$status" != "$1" ]; then
    echo "FAILED: screenshot $2: exit $status, wanted $1: $(grep FAIL "$scratch/out")"
    failures=$((failures + 1))
  fi
}
shoot 0 menu.png
shoot 0 sub/menu.png
shoot 0 menu.png  # a picture is replaced by a picture
shoot 1 /tmp/menu.png
shoot 1 ../outside.png
shoot 1 sub/../../outside.png
shoot 1 notes.png
shoot 1 menu.txt
for picture in "$shots/menu.png" "$shots/sub/menu.png"; do
  if [ "$(head -c 4 "$picture" | tail -c 3)" != "PNG" ]; then
    echo "FAILED: no PNG picture at $picture"
    failures=$((failures + 1))
  fi
done
if [ "$(cat "$shots/notes.png")" != "keep me" ] || [ "$(cat "$scratch/outside.png")" != "keep me" ]; then
  echo "FAILED: a screenshot replaced a file that is not a picture"
  failures=$((failures + 1))
fi

# The tutorial is explored on the scenario it plays on, and only there.
expect 2 "" "quit" --explore princess --actions 5 --tutorial
if ! grep -q "the tutorial plays on desertofdarkness only, not on princess" "$scratch/out"; then
  echo "FAILED: --explore princess --tutorial: $(cat "$scratch/out")"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
