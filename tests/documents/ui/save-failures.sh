#!/usr/bin/env bash
# Saves where saving must fail, through the real program's open and save:
# a full disk, a folder the user may not write in, a file the user may not
# write, a rename the system refuses; and a settings file the user may not
# read. Each time the original keeps its bytes, the failure is reported in
# the program's words and the document stays changed. Then a save that works
# must sync the new file before its rename. Needs the superuser, to mount a
# small disk and to act as an ordinary user (the superuser may write anything).
set -euo pipefail
helper=$1
[ "$(id -u)" = 0 ] || { echo "needs the superuser"; exit 77; }
command -v setpriv >/dev/null || { echo "needs setpriv"; exit 77; }

work=$(mktemp -d)
full="$work/full"
trap 'mountpoint -q "$full" && umount "$full"; rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$helper" "$work/helper"  # where the ordinary user may run it
failures=0

as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }

# expect NAME FILE OUTPUT [ENTRIES] -- COMMAND...: the command prints OUTPUT,
# FILE keeps its bytes, and its folder holds ENTRIES entries (no temporary file).
expect() {
  local name=$1 file=$2 output=$3 entries=$4
  shift 5
  local before after got
  before=$(od -An -tx1 "$file" 2>/dev/null || true)
  got=$("$@" 2>&1) || true
  after=$(od -An -tx1 "$file" 2>/dev/null || true)
  if [ "$got" != "$output" ]; then
    printf '%s: printed\n%s\ninstead of\n%s\n' "$name" "$got" "$output"; failures=$((failures + 1))
  elif [ "$before" != "$after" ]; then
    echo "$name: the file changed"; failures=$((failures + 1))
  elif [ "$(ls -A "$(dirname "$file")" | wc -l)" != "$entries" ]; then
    echo "$name: left in its folder:"; ls -A "$(dirname "$file")"; failures=$((failures + 1))
  else
    echo "$name: ok"
  fi
}

# A full disk: a small one, filled up but for the original.
mkdir "$full"
mount -t tmpfs -o size=64k tmpfs "$full"
printf 'MsgBox 1\r\n' > "$full/script.vbs"
dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null || true
big=$(head -c 100000 /dev/zero | tr '\0' x)
expect "a full disk" "$full/script.vbs" \
  "Cannot save file \"$full/script.vbs\". No space left on device
changed" 2 -- "$work/helper" save-document "$full/script.vbs" "$big"

# A folder the user may not write in: no temporary file can be made there.
mkdir "$work/closed"
printf 'MsgBox 2\r\n' > "$work/closed/script.vbs"
chmod 666 "$work/closed/script.vbs"
expect "a folder the user may not write in" "$work/closed/script.vbs" \
  "Cannot save file \"$work/closed/script.vbs\". Permission denied
changed" 1 -- as_user "$work/helper" save-document "$work/closed/script.vbs" "x"

# A file the user may not write, in a folder where he could make a new one.
mkdir "$work/open"
chmod 777 "$work/open"
printf 'MsgBox 3\r\n' > "$work/open/script.vbs"
expect "a file the user may not write" "$work/open/script.vbs" \
  "Cannot save file \"$work/open/script.vbs\". Permission denied
changed" 1 -- as_user "$work/helper" save-document "$work/open/script.vbs" "x"

# A rename the system refuses: in a shared folder (sticky bit) nobody may
# replace another user's file, though he may write it.
mkdir "$work/shared"
chmod 1777 "$work/shared"
printf 'MsgBox 4\r\n' > "$work/shared/script.vbs"
chmod 666 "$work/shared/script.vbs"
expect "a rename the system refuses" "$work/shared/script.vbs" \
  "Cannot save file \"$work/shared/script.vbs\". Operation not permitted
changed" 1 -- as_user "$work/helper" save-document "$work/shared/script.vbs" "x"

# A file the user may not read is not opened, and his settings file is not
# rewritten without the values he cannot read.
mkdir "$work/mine"
chown nobody:nogroup "$work/mine"
printf 'MsgBox 5\r\n' > "$work/mine/script.vbs"
printf '[Software\\Tarnwick]\nLeft=5\n' > "$work/mine/Tarnwick.conf"
chown nobody:nogroup "$work/mine/script.vbs" "$work/mine/Tarnwick.conf"
chmod 200 "$work/mine/script.vbs" "$work/mine/Tarnwick.conf"
expect "a script the user may not read" "$work/mine/script.vbs" \
  "Cannot open file \"$work/mine/script.vbs\". Permission denied
unchanged" 2 -- as_user "$work/helper" save-document "$work/mine/script.vbs" "x"
expect "a settings file the user may not read" "$work/mine/Tarnwick.conf" \
  "refused" 2 -- as_user "$work/helper" write-setting "$work/mine/Tarnwick.conf" Top 7

# A save syncs the new file before it renames it over the old one, so that a
# power cut leaves the old bytes or the new, never an empty file.
printf 'MsgBox 6\r\n' > "$work/synced.vbs"
if strace -o /dev/null true 2>/dev/null; then
  strace -f -e trace=fsync,fdatasync,rename,renameat,renameat2 -o "$work/calls" \
    "$work/helper" save-document "$work/synced.vbs" "x" >/dev/null
  order=$(grep -o -E '^([0-9]+ +)?(fsync|fdatasync|rename[a-z0-9]*)' "$work/calls" | awk '{print $NF}' | tr '\n' ' ')
  case "$order" in
    *sync*rename*) echo "the new file is synced before its rename: ok" ;;
    *) echo "the new file is not synced before its rename: $order"; failures=$((failures + 1)) ;;
  esac
else
  echo "SaveFailures: strace cannot trace here; the sync before the rename was NOT checked" >&2
fi

[ "$failures" = 0 ]
