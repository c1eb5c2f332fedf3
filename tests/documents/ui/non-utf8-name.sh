#!/usr/bin/env bash
# The real program under the C locale and C.UTF-8, on a display of its own with
# a window manager: a script whose name holds a Latin-1 byte is edited from the
# command line, then from the recent files (File, 1). Both edits must land in
# that file, and no file of another name may appear.
set -euo pipefail
program=$(realpath "$1")
[ -n "${TARNWICK_XVFB_DISPLAY:-}" ] || { echo "no display: run through tools/test.sh"; exit 77; }
for tool in Xvfb openbox xdotool; do command -v $tool >/dev/null || { echo "$tool is missing"; exit 77; }; done
work=$(mktemp -d) pid="" wm=""
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & server=$!
trap 'kill $pid $wm $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" name=$(printf 'latin1-caf\xe9.vbs')
openbox >/dev/null 2>&1 & wm=$!

# edit LANG TEXT [FILE]: types TEXT as a new first line of FILE, or of the newest recent file, and saves.
edit() {
  (cd "$work/scripts" && LANG=$1 LC_ALL=$1 XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb exec "$program" "${@:3}" 2>/dev/null) & pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid $pid --name '^Tarnwick' || true) && [ -n "$window" ] && break
    sleep 0.1
  done
  xdotool windowactivate --sync $window && sleep 0.5
  [ $# = 3 ] || { xdotool key --clearmodifiers alt+f && sleep 0.5 && xdotool key 1 && sleep 0.5; }
  xdotool key --clearmodifiers ctrl+Home && xdotool type --delay 20 "$2" && xdotool key Return ctrl+s
  for _ in $(seq 50); do grep -q "^$2" "$work/scripts/$name" && break; sleep 0.1; done
  kill $pid; wait $pid 2>/dev/null || true
}

for lang in C C.UTF-8; do
  rm -rf "$work/scripts" "$work/config" && mkdir "$work/scripts" && printf "' old\r\n" >"$work/scripts/$name"
  edit $lang "x = 1" "$name"
  edit $lang "y = 2"
  saved=$(cat "$work/scripts/$name")
  [ "$(ls "$work/scripts")" = "$name" ] && [ "$saved" = "$(printf "y = 2\r\nx = 1\r\n' old\r")" ] ||
    { echo "$lang: the edits missed the file:"; ls -b "$work/scripts"; cat -A "$work/scripts/"*; exit 1; }
  echo "$lang: both edits saved under the name's own bytes"
done
