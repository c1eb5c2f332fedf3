#!/usr/bin/env bash
# The real program on an 800 x 600 screen with a window manager: stored
# places and sizes that do not fit are moved, then shrunk, into the screen;
# one that fits opens exactly where it was stored. Also at 1.5 x scale, and
# with a window manager that starts only after the window is shown.
set -euo pipefail
program=$1
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: tools/setup.sh installs it"; exit 77; }
done
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
display=":$((RANDOM % 400 + 500))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  window_manager=$!
  pids+=("$window_manager")
}
start_window_manager
sleep 1
failures=0

# The frame's outer rectangle: the window's own and the decorations the window manager reports round it.
frame_of() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed 's/.*= //; s/,//g')
  xwininfo -id "$1" 2>/dev/null | awk -v e="$extents" 'BEGIN{split(e, f, " ")}
    /Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /^  Width/{w=$2} /^  Height/{h=$2}
    END{print x - f[1], y - f[3], w + f[1] + f[2], h + f[3] + f[4]}'
}

# fits FRAME EXPECT: EXPECT is "inside" (the screen) or the exact "x y w h".
fits() {
  local x y w h
  read -r x y w h <<<"$1"
  if [ "$2" = inside ]; then [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 800 ] && [ $((y + h)) -le 600 ]
  else [ "$1" = "$2" ]; fi
}

# placed NAME "Left Top Width Height" SCALE EXPECT [late]: EXPECT is "inside" or the exact "x y w h" of
# the frame; with "late" the window manager starts after the window is shown.
placed() {
  local name=$1 stored=$2 scale=$3 expect=$4 late=${5:-} left top width height window="" pid frame
  if [ -n "$late" ]; then kill "$window_manager"; wait "$window_manager" 2>/dev/null || true; fi
  read -r left top width height <<<"$stored"
  mkdir -p "$work/$name/Tarnwick"
  printf '[Software\\Tarnwick]\nLeft=%s\nTop=%s\nWidth=%s\nHeight=%s\n' "$left" "$top" "$width" "$height" \
    > "$work/$name/Tarnwick/Tarnwick.conf"
  XDG_CONFIG_HOME="$work/$name" QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --pid "$pid" --onlyvisible --name '^Tarnwick$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -n "$late" ]; then sleep 1; start_window_manager; fi
  # The frame comes, and with it the last fitting; a loaded machine may take some seconds.
  sleep 1.5
  for _ in $(seq 60); do
    frame=$(frame_of "$window")
    fits "$frame" "$expect" && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if fits "$frame" "$expect"; then echo "$name: ok ($frame)"
  else echo "$name: the window stands at $frame, not $expect on the 800 x 600 screen"; failures=$((failures + 1)); fi
}

placed off-screen "1800 1000 662 544" 1 inside
placed too-large "0 0 2400 1300" 1 inside
placed fits "40 30 500 400" 1 "40 30 500 400"
placed scaled "100 100 900 700" 1.5 inside
placed late-frame "1800 1000 662 544" 1 "137 36 662 544" late
[ "$failures" -eq 0 ]
