#!/usr/bin/env bash
# The real game under a virtual X display of the given size, on a bare server ("none") or with
# the openbox window manager: started full screen its window covers the screen and shows the
# whole picture, a click on a button's middle reaches that button, F11 gives a window that fits
# the screen with its frame and shows the whole picture, and F11 again covers the screen again.
# Prints one line. Skips (77) where Xvfb, xdotool, xwininfo, ImageMagick or the window manager
# is missing. SHOTS_DIR keeps the screenshots of the bare server.
# usage: fill_display.sh GAME CONSOLE WxH none|openbox [SHOTS_DIR]
set -u
game="$1" console="$2" size="$3" manager="$4" shots="${5:-}"
here="$(cd "$(dirname "$0")" && pwd)"
wanted=(xvfb-run Xvfb xdotool xwininfo xprop convert import)
[ "$manager" = none ] || wanted+=("$manager")
for tool in "${wanted[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Where the two buttons lie on each canvas: the console lays out the same windows and says.
for desktop in 1440x900 1024x768; do
  printf '%s\n' 'call ControlCenter Options' 'click Options' 'call ControlCenter "Back to the game"' |
    XDG_DATA_HOME="$work/where" "$console" --seed 1 --desktop "$desktop" >"$work/where.out" ||
    { echo "FAIL: the console cannot find the buttons: $(grep FAIL "$work/where.out")"; exit 1; }
  grep -o 'call ControlCenter = [0-9]* [0-9]*$' "$work/where.out" | cut -d' ' -f4,5 |
    tr '\n' ' ' >"$work/points.$desktop"
done

w=${size%x*}
if [ "$w" -ge 1440 ]; then canvas=1440x900; else canvas=1024x768; fi
rm -rf "$work/user"
line=$(XDG_DATA_HOME="$work/user" xvfb-run -a -s "-screen 0 ${size}x24" \
  "$here/fill_display_case.sh" "$game" "$manager" "$size" "$canvas" \
  "$(cat "$work/points.$canvas")" "$work/case" "$shots" 2>&1 | tail -n 1)
# Each click reached the button aimed at: the control the recording names lies there.
case "$line" in
  ok*)
    grep '^click ' "$work/case/recording.mhs" | while read -r _ name; do
      echo "call ControlCenter $name"
      echo "click $name"
    done >"$work/check.mhs"
    rm -rf "$work/where"
    XDG_DATA_HOME="$work/where" "$console" --seed 1 --desktop "$canvas" "$work/check.mhs" \
      >"$work/check.out" || line="FAIL the recorded clicks do not replay"
    seen=$(grep -o 'call ControlCenter = [0-9]* [0-9]*$' "$work/check.out" | cut -d' ' -f4,5 |
      tr '\n' ' ')
    aimed=$(cat "$work/points.$canvas")
    [ "$seen" = "$aimed$aimed$aimed" ] ||
      line="FAIL the clicks aimed at $aimed reached the controls at $seen"
    ;;
esac
echo "$size ${manager/none/without a window manager}: $line"
case "$line" in ok*) exit 0 ;; *) exit 1 ;; esac
