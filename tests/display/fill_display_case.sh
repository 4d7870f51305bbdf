#!/usr/bin/env bash
# One case of fill_display.sh, inside its virtual display: MANAGER is "none" or "openbox";
# POINTS the canvas centres of Options and of "Back to the game"; each click must show in the
# recording. The last line printed is "ok ..." or "FAIL ...".
# usage: fill_display_case.sh GAME MANAGER WxH CANVAS_WxH "OX OY BX BY" WORK [SHOTS_DIR]
set -u
game="$1" manager="$2" size="$3" canvas="$4" points="$5" work="$6" shots="${7:-}"
sw=${size%x*} sh=${size#*x} cw=${canvas%x*} ch=${canvas#*x}
read -r ox oy bx by <<<"$points"
mkdir -p "$work"
rec="$work/recording.mhs"
rm -f "$rec" "$work/why"
fail() {
  echo "FAIL $*"
  [ -f "$work/why" ] && cat "$work/why"
  [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  exit 1
}
# Polls a condition (a shell function) for up to ten seconds.
within() {
  for _ in $(seq 200); do
    "$@" && return 0
    [ -n "${pid:-}" ] && { kill -0 "$pid" 2>/dev/null || fail "the game ended"; }
    sleep 0.05
  done
  return 1
}

if [ "$manager" = openbox ]; then
  openbox >/dev/null 2>&1 &
  wm=$!
  managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  within managed || fail "openbox did not start"
fi

"$game" --record "$rec" >"$work/game.log" 2>&1 &
pid=$!
found() {
  window=$(xdotool search --onlyvisible --name '^Marchholt$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
within found || fail "no game window appeared"

# The window's inside: X Y W H on the screen, and its frame: left right top bottom.
geometry() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}
frame() {
  local f
  f=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*$')
  [ -n "$f" ] && echo "${f//,/}" || echo "0 0 0 0"
}
covers() { [ "$(geometry)" = "0 0 $sw $sh" ]; }
# The canvas's shape fitted into W x H: the picture's W H and its offset X Y.
fitted() {
  awk -v W="$1" -v H="$2" -v cw="$cw" -v ch="$ch" 'BEGIN {
    s = W / cw; if (H / ch < s) s = H / ch
    w = int(cw * s + 0.5); h = int(ch * s + 0.5)
    printf "%d %d %d %d", w, h, int((W - w) / 2), int((H - h) / 2) }'
}
# Every pixel of the picture inside the window: what is not black in the window's area is the
# canvas's shape fitted into it, to a pixel or two.
whole_picture() {
  local name="$1" x y w h
  read -r x y w h <<<"$(geometry)"
  import -window root "$work/$name.png" 2>/dev/null || return 1
  [ -n "$shots" ] && [ "$manager" = none ] && cp "$work/$name.png" "$shots/${size}_$name.png"
  local seen expected
  seen=$(convert "$work/$name.png" -crop "${w}x${h}+${x}+${y}" +repage -fuzz 4% -trim \
    -format '%w %h %X %Y' info: | tr -d '+')
  expected=$(fitted "$w" "$h")
  awk -v a="$seen" -v b="$expected" 'BEGIN { split(a, s, " "); split(b, e, " ")
    for (i = 1; i <= 4; i++) if (s[i] - e[i] > 2 || e[i] - s[i] > 2) exit 1 }' ||
    { echo "picture $seen (w h x y) in the window $w x $h, expected $expected" >"$work/why"; return 1; }
}
# Clicks the canvas point (cx, cy) where the window shows it, once the recording shows it.
clicks=0
click() {
  local cx="$1" cy="$2" x y w h pw ph px py
  read -r x y w h <<<"$(geometry)"
  read -r pw ph px py <<<"$(fitted "$w" "$h")"
  xdotool mousemove --sync $(awk -v x="$x" -v y="$y" -v px="$px" -v py="$py" -v pw="$pw" \
    -v cw="$cw" -v cx="$cx" -v cy="$cy" \
    'BEGIN { s = pw / cw; printf "%d %d", x + px + (cx + 0.5) * s, y + py + (cy + 0.5) * s }') click 1
  clicks=$((clicks + 1))
  recorded() { [ "$(grep -c '^click ' "$rec" 2>/dev/null)" -ge "$clicks" ]; }
  within recorded
}
both_buttons() { click "$ox" "$oy" && click "$bx" "$by"; }

within covers || fail "started full screen, the window is $(geometry), not the screen $size"
within whole_picture fullscreen || fail "started full screen, part of the picture is cut off"
both_buttons || fail "started full screen, a click missed its button"

xdotool key F11
# A window of the canvas's shape, at most the canvas's size; without a window manager there is
# no frame and nothing to leave free, so on a screen of the canvas's size it fills the screen.
if [ "$manager" = none ]; then
  read -r pw ph px py <<<"$(fitted "$(( sw < cw ? sw : cw ))" "$(( sh < ch ? sh : ch ))")"
  placed() { [ "$(geometry)" = "$(( (sw - pw) / 2 )) $(( (sh - ph) / 2 )) $pw $ph" ]; }
else
  placed() { ! covers && [ "$(frame)" != "0 0 0 0" ]; }
fi
within placed || fail "after F11 the window is $(geometry) with a frame of $(frame)"
read -r x y w h <<<"$(geometry)"
read -r fl fr ft fb <<<"$(frame)"
[ $((x - fl)) -ge 0 ] && [ $((y - ft)) -ge 0 ] && [ $((x + w + fr)) -le "$sw" ] &&
  [ $((y + h + fb)) -le "$sh" ] || fail "the window ${w}x${h}+${x}+${y} with its frame does not fit"
within whole_picture window || fail "in a window, part of the picture is cut off"
both_buttons || fail "in a window, a click missed its button"
inside="${w}x${h}"

xdotool key F11
within covers || fail "F11 back, the window is $(geometry), not the screen $size"
within whole_picture again || fail "F11 back to full screen, part of the picture is cut off"
both_buttons || fail "F11 back to full screen, a click missed its button"

kill "$pid"
[ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
echo "ok: full screen ${sw}x${sh}, a window of ${inside} inside its frame, full screen again"
