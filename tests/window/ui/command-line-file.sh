#!/usr/bin/env bash
# Scripts of hostile names open from the command line of the real program,
# started on the display tools/test.sh provides: a name Qt would take for one
# of its own options, shell characters, quotes, and names beyond ASCII, also
# one that is no UTF-8. The window's title names the file once it is loaded.
set -euo pipefail
program=$1
[ -n "${TARNWICK_XVFB_DISPLAY:-}" ] || { echo "no display: run through tools/test.sh"; exit 77; }
export DISPLAY="$TARNWICK_XVFB_DISPLAY"
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
failures=0

# opens NAME TITLE: the program started on ./NAME shows a window titled TITLE.
opens() {
  local name=$1 title=$2 window shown=""
  printf 'MsgBox 1\r\n' > "$name"
  XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$program" "$name" >/dev/null 2>"$work/err" &
  pid=$!
  for _ in $(seq 300); do
    for window in $(xdotool search --pid "$pid" --name '^Tarnwick - ' 2>/dev/null || true); do
      shown=$(xdotool getwindowname "$window" 2>/dev/null || true)
    done
    [ "$shown" = "$title" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  if [ "$shown" = "$title" ]; then echo "$title: ok"
  else
    echo "started on '$name': a window titled '$shown' instead of '$title'; the program said:"; cat "$work/err"
    failures=$((failures + 1))
  fi
}

opens -reverse 'Tarnwick - -reverse'
opens 'a "quoted" & | ^ % ! ; $HOME `id` name.vbs' 'Tarnwick - a "quoted" & | ^ % ! ; $HOME `id` name.vbs'
opens 'café € 中.vbs' 'Tarnwick - café € 中.vbs'
# Latin-1 bytes: the file opens; the title shows the byte that is no UTF-8 as a replacement mark.
opens "$(printf 'caf\xe9.vbs')" 'Tarnwick - caf�.vbs'
[ "$failures" = 0 ]
