#!/usr/bin/env bash
# How long the program takes to end after Ctrl+Q, on a real X display (Xvfb):
# with an empty document, with 1 MB and 10 MB scripts, after a copy to the
# clipboard and after typing into a big script. Prints milliseconds per case.
# Usage: bench/exit-time.sh [path/to/tarnwick]   (default: build/tarnwick)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/tarnwick}
work=$(mktemp -d)
display=:57
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
sleep 1

python3 - "$work" <<'EOF'
import sys
line = 'Dim total : total = total + 1 \' counting the lines of the script\r\n'
for name, size in (('1mb.vbs', 1 << 20), ('10mb.vbs', 10 << 20)):
    with open(f'{sys.argv[1]}/{name}', 'w', newline='') as f:
        f.write(line * (size // len(line)))
EOF

# case name, file to open ('' for none), keys pressed before Ctrl+Q
measure() {
    local name=$1 file=$2 keys=$3
    local args=()
    [[ -n $file ]] && args=("$work/$file")
    "$program" "${args[@]}" >/dev/null 2>&1 &
    local pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    sleep 1.5  # opening and colouring finish
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    for key in $keys; do xdotool key "$key"; done
    sleep 0.5
    local start end
    if [[ $keys == *Return* ]]; then
        # A script typed into asks whether to save it: the clock starts at the No.
        xdotool key ctrl+q
        sleep 0.5
        xdotool key n
    else
        xdotool key ctrl+q
    fi
    # From the moment the key has gone out: starting xdotool itself is not the program's time.
    start=$(date +%s%N)
    while kill -0 "$pid" 2>/dev/null && ! grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null; do sleep 0.005; done
    end=$(date +%s%N)
    wait "$pid" 2>/dev/null || true
    printf '%-28s %6d ms\n' "$name" $(((end - start) / 1000000))
}

measure "empty document" "" ""
measure "1 MB script" 1mb.vbs ""
measure "10 MB script" 10mb.vbs ""
measure "10 MB, all copied" 10mb.vbs "ctrl+a ctrl+c"
measure "10 MB, typed into" 10mb.vbs "x Return"
