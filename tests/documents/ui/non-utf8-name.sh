#!/usr/bin/env bash
# A script whose name holds a Latin-1 byte (no UTF-8), edited in the real
# program under the C locale and under C.UTF-8: opened from the command line,
# then from the File menu's recent files. Each time the typed line must land
# in that file, and no file of another name may appear.
set -euo pipefail
program=$(realpath "$1")
[ -n "${TARNWICK_XVFB_DISPLAY:-}" ] || { echo "no display: run through tools/test.sh"; exit 77; }
for tool in Xvfb openbox xdotool; do command -v $tool >/dev/null || { echo "$tool is missing"; exit 77; }; done
work=$(mktemp -d)
pid="" server="" wm=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; kill $wm $server 2>/dev/null; rm -rf "$work"' EXIT
# A display of its own with a window manager, which gives the window the
# keyboard as a desktop would, away from the other tests' windows.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 & wm=$!
sleep 1
name=$(printf 'latin1-caf\xe9.vbs')

# edit LANG TEXT [ARGUMENT]: starts the program, waits for the file's window,
# types TEXT as a new first line and saves with Ctrl+S.
edit() {
  local lang=$1 text=$2 window=""
  shift 2
  (cd "$work/scripts" && exec env LANG="$lang" LC_ALL="$lang" XDG_CONFIG_HOME="$work/config" \
     QT_QPA_PLATFORM=xcb "$program" "$@" >/dev/null 2>"$work/err") &
  pid=$!
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name '^Tarnwick' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "$lang: no window"; cat "$work/err"; return 1; }
  xdotool windowactivate --sync "$window"
  sleep 0.5
  if [ $# = 0 ]; then  # the newest recent file: its access key is 1
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key 1
  fi
  for _ in $(seq 100); do
    [ "$(xdotool getwindowname "$window")" = "Tarnwick - latin1-caf�.vbs" ] && break
    sleep 0.1
  done
  xdotool key --clearmodifiers ctrl+Home
  xdotool type --delay 20 "$text"
  xdotool key Return
  [ -n "${TARNWICK_SCREENSHOTS:-}" ] && import -window root "$TARNWICK_SCREENSHOTS/non-utf8-$lang-$#.png"
  xdotool key ctrl+s
  for _ in $(seq 100); do
    grep -q "^$text" "$work/scripts/$name" && break
    sleep 0.1
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
}

failures=0
for lang in C C.UTF-8; do
  rm -rf "$work/scripts" "$work/config"
  mkdir -p "$work/scripts"
  printf "' old\r\n" > "$work/scripts/$name"
  edit "$lang" "x = 1" "$name"
  edit "$lang" "y = 2"
  expected=$(printf 'y = 2\r\nx = 1\r\n'"' old"'\r\n')
  if [ "$(cat "$work/scripts/$name")" != "$expected" ] || [ "$(ls "$work/scripts" | wc -l)" != 1 ]; then
    echo "$lang: the edits did not land in the file itself; the folder holds:"; ls -b "$work/scripts"
    cat -A "$work/scripts/$name"
    failures=$((failures + 1))
  else
    echo "$lang: both edits saved under the name's own bytes"
  fi
done
[ "$failures" = 0 ]
