#!/usr/bin/env bash
# Inside a virtual X display: starts the game recording to a file and plays the steps with
# xdotool, each click once the recording shows the one before; then kills the game, as a crash
# would end it.
# usage: drive_game.sh GAME SEED RECORDING STEPS POINTS
set -u
game="$1" seed="$2" recording="$3" steps="$4" points="$5"
fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null; exit 1; }

"$game" --windowed --seed "$seed" --record "$recording" 2>"$recording.log" &
pid=$!
# Whether the recording holds a line of this pattern the given number of times within twenty
# seconds (a machine busy with other builds and tests can be slow to draw and record).
shows() {
  for _ in $(seq 400); do
    [ "$(grep -c -E "$1" "$recording" 2>/dev/null)" -ge "$2" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the game ended"
    sleep 0.05
  done
  return 1
}
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Marchholt$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "${window:-}" ] || fail "no game window appeared"
# The 1440x900 canvas is scaled to fit the window and centred in it.
eval "$(xdotool getwindowgeometry --shell "$window")"
screen_point() {
  awk -v x="$1" -v y="$2" -v X="$X" -v Y="$Y" -v W="$WIDTH" -v H="$HEIGHT" 'BEGIN {
    s = W / 1440; if (H / 900 < s) s = H / 900
    printf "%d %d", X + (W - 1440 * s) / 2 + x * s, Y + (H - 900 * s) / 2 + y * s }'
}

exec 3<"$points"
clicks=0
keys=0
grep -v '^#' "$steps" | while read -r verb rest; do
  case "$verb" in
    click)
      read -r x y <&3 || fail "no point for click $rest"
      clicks=$((clicks + 1))
      # A click the window missed (it had only just appeared) is given again.
      for attempt in 1 2 3; do
        xdotool mousemove --sync $(screen_point "$x" "$y") click 1
        shows '^click ' "$clicks" && break
        [ "$attempt" = 3 ] && fail "the recording never showed the click on $rest"
      done
      ;;
    type)
      text="${rest#* }"
      xdotool type --delay 40 "$text"
      shows "^type $rest\$" 1 || fail "the recording never showed \"type $rest\""
      ;;
    key)
      # A key by the game's name for it, as xdotool names it.
      keys=$((keys + 1))
      xdotool key "$rest"
      shows '^key ' "$keys" || fail "the recording never showed the key $rest"
      ;;
    pause)
      # The player's thinking time: the game's own timers run meanwhile.
      sleep "$(awk -v ms="$rest" 'BEGIN { print ms / 1000 }')"
      ;;
  esac
done || exit 1
kill -KILL "$pid"
wait "$pid" 2>/dev/null
exit 0
