#!/usr/bin/env bash
# A script named like one of Qt's own options still opens from the command
# line: the real program, started on the display tools/test.sh provides.
set -euo pipefail
program=$1
[ -n "${TARNWICK_XVFB_DISPLAY:-}" ] || { echo "no display: run through tools/test.sh"; exit 77; }
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
printf 'MsgBox 1\r\n' > -reverse
XDG_CONFIG_HOME="$work" DISPLAY="$TARNWICK_XVFB_DISPLAY" QT_QPA_PLATFORM=xcb "$program" -reverse >"$work/log" 2>&1 &
pid=$!
for _ in $(seq 300); do
  if DISPLAY="$TARNWICK_XVFB_DISPLAY" xdotool search --name '^Tarnwick - -reverse$' >/dev/null 2>&1; then
    echo "the script named -reverse opened"; exit 0
  fi
  sleep 0.1
done
echo "no window titled 'Tarnwick - -reverse'; the program said:"; cat "$work/log"; exit 1
