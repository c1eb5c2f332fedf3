#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, its AppStream metadata and
# its manual page, unpacks it into a scratch root and starts the installed
# program there under Xvfb, as an unprivileged user when run as root: it must
# find its syntax table (the script shows coloured), its help file (F1 opens
# the help window) and run a script from its read-only folder (F5 writes the
# scratch script into the user's cache folder instead).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

cd "$build"
rm -f tarnwick_*.deb
cpack -G DEB >/dev/null
deb=$(ls tarnwick_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libchm1 libsimdjson; do
  [[ "$depends" == *"$lib"* ]] || { echo "package does not depend on $lib: $depends"; exit 1; }
done

scratch=$(mktemp -d)
chmod 755 "$scratch"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

dpkg -x "$deb" "$scratch/root"
lib="$scratch/root/usr/lib/tarnwick"
for f in tarnwick syntax.ini "Tarnwick Help.chm"; do
  [ -e "$lib/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
desktop-file-validate "$scratch/root/usr/share/applications/tarnwick.desktop"

# Debian's checker passes the package with no error or warning. A tag that must
# stay goes into usr/share/lintian/overrides/tarnwick with a line saying why.
run_unprivileged=()
[ "$(id -u)" -eq 0 ] && run_unprivileged=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp)
"${run_unprivileged[@]}" lintian --fail-on error,warning "$build/$deb" || { echo "lintian rejects $deb"; exit 1; }

# Software centres' metadata, with the desktop entry it names. --no-net: the
# home page and the screenshot's address are not checked from here.
metainfo="$scratch/root/usr/share/metainfo/org.example.tarnwick.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
appstreamcli validate-tree --no-net "$scratch/root"

# The manual page renders without a warning from groff.
manual="$scratch/root/usr/share/man/man1/tarnwick.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page renders with warnings:"; echo "$warnings"; exit 1; }

# The user's own folders and a stored default that needs no script host.
home="$scratch/home"
mkdir -p "$home/config/Tarnwick" "$home/cache"
printf '[Software\\Tarnwick]\nRunDefault=/bin/true [FilePath]\n' > "$home/config/Tarnwick/Tarnwick.conf"
printf 'Option Explicit\r\n'"' a comment\r\n"'Dim x\r\nx = MsgBox("Hello")\r\n' > "$home/script.vbs"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
# -noreset: the server would otherwise reset when this probe, its last client, goes,
# and turn away the program that connects meanwhile.
for _ in $(seq 300); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_RUNTIME_DIR="$home" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
  "$scratch/root/usr/bin/tarnwick" "$home/script.vbs" >"$scratch/app.log" 2>&1 &
app_pid=$!

wait_for_window() {
  for _ in $(seq 100); do
    xdotool search --name "$1" 2>/dev/null | head -1 && return 0
    sleep 0.1
  done
  echo "no window named '$1'" >&2; cat "$scratch/app.log" >&2
  return 1
}
main=$(wait_for_window "script.vbs")
sleep 1
import -window root "$scratch/shot.png"
# Navy keywords and the green comment: the syntax table was found and used.
# Text is smoothed at its edges, so near shades count too.
for colour in '#000080' '#008000'; do
  count=$(convert "$scratch/shot.png" -fuzz 20% -fill black +opaque "$colour" -fill white -opaque "$colour" \
            -format '%[fx:round(mean*w*h)]' info:)
  [ "$count" -gt 50 ] || { echo "no text in $colour: the script was not coloured"; exit 1; }
done

xdotool windowfocus --sync "$main"
xdotool key F1
wait_for_window "Tarnwick Help" >/dev/null

# The help window may still be taking the focus: F5 is pressed until it runs.
scratch_script="$home/cache/tarnwick/rundefault080.vbs"
for _ in 1 2 3; do
  xdotool windowfocus --sync "$main"
  xdotool key F5
  for _ in $(seq 30); do [ -e "$scratch_script" ] && break; sleep 0.1; done
  [ -e "$scratch_script" ] && break
done
[ -e "$scratch_script" ] || { echo "F5 wrote no scratch script into the cache folder"; exit 1; }
[ ! -e "$lib/rundefault080.vbs" ] || { echo "the scratch script was written beside the installed program"; exit 1; }
echo "package test passed: $deb installs, finds its syntax table and help file, and runs scripts"
