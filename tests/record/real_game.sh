#!/usr/bin/env bash
# The real game, played under a virtual X display with xdotool (a new game of the first
# scenario, a turn skipped, the key list opened and closed, a step by the arrow key, a save) and recorded with --record, replays headless in
# marchholt-console to the same saved game, file for file. Skips (77) where no virtual display or
# xdotool is installed.
# usage: real_game.sh GAME CONSOLE
set -u
game="$1" console="$2"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in xvfb-run Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
seed=7

# Where each control lies: the console plays the same steps on the same canvas and says.
grep -v '^#' "$here/real_game.steps" | while read -r verb rest; do
  case "$verb" in
    click) echo "call ControlCenter $rest"; echo "click $rest" ;;
    type) echo "type $rest" ;;
    key) echo "key $rest" ;;
    pause) echo "wait $rest" ;;
  esac
done >"$work/where.mhs"
XDG_DATA_HOME="$work/where" "$console" --seed "$seed" "$work/where.mhs" >"$work/where.out" ||
  fail "the steps do not play in the console: $(grep FAIL "$work/where.out")"
grep -o 'call ControlCenter = [0-9]* [0-9]*$' "$work/where.out" | cut -d' ' -f4,5 \
  >"$work/points"

mkdir "$work/played" "$work/replayed"
XDG_DATA_HOME="$work/played" xvfb-run -a -s "-screen 0 1440x900x24" \
  "$here/drive_game.sh" "$game" "$seed" "$work/recorded.mhs" "$here/real_game.steps" \
  "$work/points" || fail "the game could not be played under the virtual display"
echo "--- the recording"
cat "$work/recorded.mhs"
[ "$(head -n 1 "$work/recorded.mhs")" = "seed $seed" ] || fail "the recording does not start with the seed"

XDG_DATA_HOME="$work/replayed" "$console" "$work/recorded.mhs" >"$work/replayed.out" ||
  fail "the replay failed: $(grep FAIL "$work/replayed.out")"
saves=$(cd "$work/played/marchholt" && ls Savegame01.* 2>/dev/null)
[ -n "$saves" ] || fail "the game played saved nothing"
for f in $saves; do
  case "$f" in
    # The small file says when the game was saved: the clock of the game played, the console's
    # virtual one in the replay. Everything else in it must agree.
    *.info)
      cmp <(grep -v '^saved=' "$work/played/marchholt/$f") \
          <(grep -v '^saved=' "$work/replayed/marchholt/$f") ||
        fail "$f differs between the game played and its replay" ;;
    *)
      cmp "$work/played/marchholt/$f" "$work/replayed/marchholt/$f" ||
        fail "$f differs between the game played and its replay" ;;
  esac
done
echo "the replay saved the same game: $(echo $saves)"
exit 0
