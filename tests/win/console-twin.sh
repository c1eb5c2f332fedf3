#!/usr/bin/env bash
# tarnwick.com under Wine beside a stand-in tarnwick.exe. Each row: exit code, standard output ("|" joins lines;
# "*" is any), standard error (a pattern), what the stand-in got ("-": not started), the twin's arguments.
set -uo pipefail
export WINEDEBUG=${WINEDEBUG:--all} LC_ALL=C.UTF-8  # Wine reads the arguments' bytes in the locale's encoding
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/tarnwick.com" && cp "$2" "$work/tarnwick.exe" && cd "$work" || exit 2
printf 'If x Then\r\n' > bad.vbs && printf 'x = 1\r\n' > good.vbs && cp bad.vbs "日本 bad.vbs"
# A server that ends while a row starts makes Wine exit 1 silently: keep one
# up (the test run's own, or one that outlives this script's gaps).
mkdir -p "${WINEPREFIX:-$HOME/.wine}" && wineserver -p60 2>/dev/null || true
wineboot -i </dev/null >/dev/null 2>&1 || true
failures=0
row() {
  local name=$1 want_code=$2 want_out=$3 want_err=$4 want_seen=$5 seen=- code attempt
  shift 5
  for attempt in 1 2; do
    rm -f stand-in.txt
    timeout 60 wine tarnwick.com "$@" > out 2> err
    code=$?
    # The twin never fails without a word; Wine itself sometimes does, under load.
    [ "$code" = 1 ] && [ ! -s out ] && [ ! -s err ] && [ "$attempt" = 1 ] || break
    echo "note: Wine exited 1 without a word on \"$name\"; running it once more"
  done
  # The editor is not waited for: give the stand-in a moment.
  for _ in {1..10}; do [ -e stand-in.txt ] || [ "$want_seen" = - ] && break; sleep 1; done
  [ -e stand-in.txt ] && seen=$(tr -d '\r' < stand-in.txt | paste -sd '|')
  local out err
  out=$(tr -d '\r' < out | paste -sd '|') err=$(tr -d '\r' < err | paste -sd '|')
  if [ "$code" != "$want_code" ] || { [ "$want_out" != "*" ] && [ "$out" != "$want_out" ]; } ||
     [[ "$err" != $want_err ]] || [ "$seen" != "$want_seen" ]; then
    failures=$((failures + 1))
    printf 'FAIL %s\n  exit %s (want %s)\n  out [%s]\n  err [%s]\n  stand-in [%s]\n' "$name" "$code" "$want_code" \
      "$out" "$err" "$seen"
  else
    echo "ok   $name"
  fi
}
row "an error in the host's form" 1 "bad.vbs(2, 1) Microsoft VBScript compilation error: Expected 'End'" "" - \
  --check good.vbs bad.vbs
row "a clean script" 0 "" "" - --check good.vbs
row "an unreadable script" 2 "" "*missing.vbs*" - --check missing.vbs
row "a name beyond the ANSI code page" 1 "日本 bad.vbs:2:1: error: Expected 'End' [1014]" "" - \
  --check --format=gcc "日本 bad.vbs"
row "the server is waited for, with the console's handles" 3 '[--lsp]|[a b]|[say "hi"]|[dir\]|[]' "" \
  '[--lsp]|[a b]|[say "hi"]|[dir\]|[]' --lsp "a b" 'say "hi"' 'dir\' ''
row "the editor is started and left" 0 "*" "" '[my script.vbs]|[-x]' "my script.vbs" -x
exit $((failures > 0))
