#!/usr/bin/env bash
# Runs each script of the cases file through tarnwick-host.exe under Wine and
# compares standard output, standard error (line by line, after the UTF-8 or
# UTF-16 the host writes) and the exit code with the case's own.
# Usage: host-proof.sh HOST_EXE CASES_FILE
set -uo pipefail
host=$1
cases=$2
export WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A server that ends while a case starts makes Wine exit 1 silently: keep one
# up (the test run's own, or one that outlives this script's gaps).
mkdir -p "${WINEPREFIX:-$HOME/.wine}" && wineserver -p60 2>/dev/null || true
# A fresh prefix is made on the first start; do it before any case is timed.
wineboot -i </dev/null >/dev/null 2>&1 || true

failures=0
index=0
name=""
run_case() {
  [ -z "$name" ] && return
  index=$((index + 1))
  # A blank in the folder's name: the path must reach the host as one argument.
  mkdir -p "$work/case $index"
  local script="$work/case $index/proof.vbs" text
  text=$(printf '%b' "$script_text")
  text=${text//$'\n'/$'\r\n'}
  case "$encoding" in
    ansi) printf '%s\r\n' "$text" | iconv -f UTF-8 -t WINDOWS-1252 > "$script" ;;
    utf8bom) { printf '\xef\xbb\xbf'; printf '%s\r\n' "$text"; } > "$script" ;;
    utf16) { printf '\xff\xfe'; printf '%s\r\n' "$text" | iconv -f UTF-8 -t UTF-16LE; } > "$script" ;;
  esac
  local windows_path="Z:${script//\//\\}"
  printf '%b' "$stdin_text" > "$work/stdin"
  local code attempt
  for attempt in 1 2; do
    timeout 60 wine "$host" //nologo "${options[@]}" "$windows_path" "${arguments[@]}" \
      < "$work/stdin" > "$work/out" 2> "$work/err"
    code=$?
    # The host never fails without a word; Wine itself sometimes does, under load.
    [ "$code" = 1 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ] && [ "$attempt" = 1 ] || break
    echo "note: Wine exited 1 without a word on \"$name\"; running it once more"
  done
  local decode=(cat)
  [ "$output" = utf16 ] && decode=(iconv -f UTF-16LE -t UTF-8)
  local got_out got_err want_out want_err
  # "END" keeps the final empty lines that $(...) would drop.
  got_out=$("${decode[@]}" < "$work/out" | tr -d '\r'; echo END)
  got_err=$("${decode[@]}" < "$work/err" | tr -d '\r'; echo END)
  want_out=$( ((${#out_lines[@]})) && printf '%s\n' "${out_lines[@]}"; echo END)
  want_err=$( ((${#err_lines[@]})) && printf '%s\n' "${err_lines[@]}"; echo END)
  want_err=${want_err//%S/$windows_path}
  if [ "$got_out" != "$want_out" ] || [ "$got_err" != "$want_err" ] || [ "$code" != "$exit_code" ]; then
    failures=$((failures + 1))
    echo "FAIL $name"
    echo "  stdout: want [$want_out] got [$got_out]"
    echo "  stderr: want [$want_err] got [$got_err]"
    echo "  exit:   want $exit_code got $code"
  else
    echo "ok   $name"
  fi
}

new_case() {
  name=$1 script_text="" encoding=ansi output=utf8 stdin_text="" exit_code=0
  options=() arguments=() out_lines=() err_lines=()
}

# The text after "key:", without the one blank that follows the colon.
value() { local v=${1#*:}; printf '%s' "${v# }"; }

while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "#"*|"") ;;
    "== "*) run_case; new_case "${line#== }" ;;
    "script: "*) script_text=${line#script: } ;;
    "encoding: "*) encoding=${line#encoding: } ;;
    "output: "*) output=${line#output: } ;;
    "option:"*) options+=("$(value "$line")") ;;
    "arg:"*) arguments+=("$(value "$line")") ;;
    "stdin: "*) stdin_text=${line#stdin: } ;;
    "out:"*) out_lines+=("$(value "$line")") ;;
    "err:"*) err_lines+=("$(value "$line")") ;;
    "exit: "*) exit_code=${line#exit: } ;;
    *) echo "cannot read the line: $line"; exit 2 ;;
  esac
done < "$cases"
run_case
[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
