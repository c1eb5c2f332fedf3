#!/usr/bin/env bash
# The real program's command-line check, run as a build pipeline would: no
# display and no Qt platform. Each case gives the output and the exit code.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

printf 'Option Explicit\r\nDim x\r\nx = 1\r\n' > clean.vbs
printf 'x = 1\r\nDim 1x\r\n' > bad.vbs
# UTF-16 LE with its mark: "' é" then an invalid character on line 2.
printf "\xff\xfe'\x00 \x00\xe9\x00\r\x00\n\x00x\x00 \x00=\x00 \x001\x00 \x00@\x00 \x002\x00\r\x00\n\x00" > unicode.vbs

# expect NAME CODE OUTPUT ARGS...: the check of ARGS exits with CODE and writes OUTPUT.
expect() {
  local name=$1 code=$2 output=$3 actual status
  shift 3
  actual=$(env -u DISPLAY -u QT_QPA_PLATFORM "$program" --check "$@" 2>"$work/err")
  status=$?
  if [ "$status" = "$code" ] && [ "$actual" = "$output" ]; then echo "$name: ok"
  else
    echo "$name: exit $status (expected $code), output:"; echo "$actual"; echo "expected:"; echo "$output"
    echo "standard error:"; cat "$work/err"
    failures=$((failures + 1))
  fi
}

expect 'clean script' 0 '' clean.vbs
expect 'error in the host form' 1 'bad.vbs(2, 5) Microsoft VBScript compilation error: Expected identifier' clean.vbs bad.vbs
expect 'UTF-16 script' 1 'unicode.vbs(2, 7) Microsoft VBScript compilation error: Invalid character' unicode.vbs
expect 'gcc form' 1 'bad.vbs:2:5: error: Expected identifier [1010]' --format=gcc bad.vbs
expect 'json form' 1 '[
  {"file": "bad.vbs", "line": 2, "column": 5, "number": 1010, "severity": "error", "text": "Expected identifier"}
]' --format=json bad.vbs
expect 'missing file' 2 '' missing.vbs
grep -q 'Cannot open file "missing.vbs"' "$work/err" || { echo "missing file: no reason given"; failures=$((failures + 1)); }
[ "$failures" = 0 ]
