#!/usr/bin/env bash
# Big scripts in the real window, on an X display (Xvfb): a 10 MB and a 100 MB
# script are opened from the command line, typed into at the top and at the
# end, saved and closed. Prints, per script, the processor time the program
# took to show and colour it beyond an empty start, its memory at the peak
# (VmHWM) and once open (VmRSS) per byte above the empty start's, and whether
# the saved file holds the expected bytes: the typed characters, and the lines
# the colouring tidied ("=" spaced, keywords respelled) as the only other
# differences. Leaves a screenshot of each open window in the work folder.
# Usage: bench/big-file-window.sh [path/to/tarnwick] [display]   (default: build/tarnwick :71)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/tarnwick}
display=${2:-:71}
work=${WORK:-$(mktemp -d)}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
sleep 1
echo "work folder: $work"

# The benches' colouring script (bench/ColourScripts.h): lower-case keywords
# and unspaced "=" signs, which the colouring tidies.
python3 - "$work" <<'EOF'
import sys
def script(size):
    out, block, n = [], 0, 0
    while n < size:
        k = str(block % 997)
        lines = [f'Dim total{k}, count{k}, names(10)',
                 f'set fso{k} = createobject("Scripting.FileSystemObject")',
                 f'total{k}=total{k} + count{k} \' running sum of the counts',
                 f'if total{k} > 100 then msgbox "Done: " & cstr(total{k})',
                 '    name = trim(f.readline) : s = "a=b, it\'s " & len(name)',
                 'rem an old-style comment line with = signs',
                 f'do while not f.atendofstream and count{k}<=10',
                 f'    count{k} = count{k} + 1',
                 'loop',
                 'wscript.echo "caf\xe9 " & ucase(name), mid(name, 2, 3)']
        for line in lines:
            out.append(line)
            n += len(line) + 2
        block += 1
    out.append('TOTAL1=total1+COUNT1 \' the last line')
    return ('\r\n'.join(out) + '\r\n').encode('cp1252')
for mb in (10, 100):
    open(f'{sys.argv[1]}/{mb}mb.vbs', 'wb').write(script(mb << 20))
    open(f'{sys.argv[1]}/{mb}mb.orig', 'wb').write(script(mb << 20))
EOF

cpu_ms() {  # user + system time of a process in ms
    awk -v hz="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"
}
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# Waits until the process has used no processor time for half a second.
settle() {
    local before after
    after=$(cpu_ms "$1")
    while :; do
        sleep 0.5
        before=$after
        after=$(cpu_ms "$1")
        [[ $after == "$before" ]] && return
    done
}

start() {  # starts the program on the arguments; sets pid and window
    "$program" "$@" >/dev/null 2>&1 &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1)
    settle "$pid"
}

start
empty_cpu=$(cpu_ms "$pid")
empty_rss=$(status_kb "$pid" VmRSS)
empty_hwm=$(status_kb "$pid" VmHWM)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+q
wait "$pid" 2>/dev/null || true
echo "empty start: ${empty_cpu} ms CPU, ${empty_rss} kB held"

for mb in 10 100; do
    file=$work/${mb}mb.vbs
    bytes=$(stat -c %s "$file")
    start "$file"
    cpu=$(( $(cpu_ms "$pid") - empty_cpu ))
    hwm=$(status_kb "$pid" VmHWM)
    rss=$(status_kb "$pid" VmRSS)
    import -window root "$work/${mb}mb-open.png"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key ctrl+Home && xdotool type --delay 20 'top'
    xdotool key ctrl+End && xdotool type --delay 20 'end'
    settle "$pid"
    import -window root "$work/${mb}mb-typed.png"
    xdotool key ctrl+s
    settle "$pid"
    xdotool key ctrl+q
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then echo "${mb} MB: the window did not close"; kill "$pid"; fi
    wait "$pid" 2>/dev/null || true
    printf '%4d MB: open and colour %6d ms CPU beyond the empty start; peak %.2f B, held %.2f B per byte above it\n' \
        "$mb" "$cpu" "$(echo "($hwm - $empty_hwm) * 1024 / $bytes" | bc -l)" "$(echo "($rss - $empty_rss) * 1024 / $bytes" | bc -l)"
    # The saved bytes: "top" before the first line, "end" on the last (empty) line,
    # and otherwise the original lines, or lines that differ from them only in
    # the case of letters and the blanks around "=".
    python3 - "$work/${mb}mb.orig" "$file" <<'EOF'
import re, sys
orig = open(sys.argv[1], 'rb').read().split(b'\r\n')
saved = open(sys.argv[2], 'rb').read().split(b'\r\n')
expected = list(orig)
expected[0] = b'top' + expected[0]
expected[-1] = expected[-1] + b'end'
def loose(line):
    return re.sub(rb' *= *', b'=', line).lower()
same = tidied = other = 0
for a, b in zip(expected, saved):
    if a == b: same += 1
    elif loose(a) == loose(b): tidied += 1
    else:
        other += 1
        if other <= 3: print('   differs:', a[:80], '->', b[:80])
print(f'   saved: {len(saved)} lines ({len(expected)} expected): {same} as typed, {tidied} tidied, {other} otherwise different'
      + (' -- OK' if other == 0 and len(saved) == len(expected) else ' -- WRONG'))
EOF
done
