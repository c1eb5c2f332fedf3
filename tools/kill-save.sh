#!/usr/bin/env bash
# Kills a program that saves a file over and over (kill -9) at random moments,
# N times, and checks after each kill that the file holds one whole version,
# never an older one than before: the old bytes or the new, never a mixture,
# a cut or nothing.
#   tools/kill-save.sh [N] [helper]   (N defaults to 1000)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-1000}
helper=${2:-$root/build/tests/documents/ui/tarnwick_save_helper}
[ -x "$helper" ] || { echo "no helper at $helper: build the target tarnwick_save_helper"; exit 1; }

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
file="$work/saved.vbs"
out="$work/out"
"$helper" init "$file"
last=0
first=""
for ((run = 1; run <= runs; run++)); do
  # The helper first checks the file as the last kill left it and prints its
  # version; only then does it save, and only then is it aimed at.
  : > "$out"
  "$helper" repeat "$file" > "$out" &
  pid=$!
  while [ ! -s "$out" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.002; done
  read -r version < "$out" || version=""
  if ! [[ "$version" =~ ^[0-9]+$ ]]; then
    echo "after kill $((run - 1)): $(cat "$out")"; exit 1
  fi
  if ((version < last)); then
    echo "after kill $((run - 1)): version $version after version $last"; exit 1
  fi
  last=$version
  first=${first:-$version}
  sleep "0.0$(printf "%02d" $((RANDOM % 100)))"  # a save takes tens of milliseconds
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
done
version=$("$helper" check "$file") || { echo "after kill $runs: $version"; exit 1; }
# A kill before the rename leaves the new file beside the file, named as a save's.
left=$(find "$work" -mindepth 1 -name 'saved.vbs.tarnwick-save-??????' | wc -l)
stray=$(find "$work" -mindepth 1 ! -name saved.vbs ! -name out ! -name 'saved.vbs.tarnwick-save-??????')
echo "$runs kills in $((version - first)) saves: the file always held one whole version; $left new files left, named as a save's"
[ -z "$stray" ] || { echo "left with other names: $stray"; exit 1; }
