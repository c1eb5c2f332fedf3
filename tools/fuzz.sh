#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs them from their seeds in tests/fuzz/corpus/<target>/.
#   tools/fuzz.sh TARGET MINUTES   runs one target that long; inputs it finds are kept
#                                  in build-fuzz/corpus/TARGET, a failing one in build-fuzz/crashes/
#   tools/fuzz.sh --smoke          runs every target for a fixed number of inputs
#   tools/fuzz.sh --list           names the targets
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seeds="$root/tests/fuzz/corpus"
targets=(rtf syntax_ini settings_formats settings_file command_line editing checker)

usage() { echo "usage: tools/fuzz.sh TARGET MINUTES | --smoke | --list (targets: ${targets[*]})" >&2; exit 2; }
[ $# -ge 1 ] || usage
if [ "$1" = --list ]; then printf '%s\n' "${targets[@]}"; exit 0; fi

export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_FUZZ=ON \
  -DTARNWICK_BUILD_UI=OFF -DTARNWICK_BUILD_TESTS=OFF -DTARNWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -- -j"$(nproc)" $(printf 'fuzz_%s ' "${targets[@]}")

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# An input that takes more than 25 s (on a busy machine) is a hang; one that needs 2 GB, a runaway.
common=(-timeout=25 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1)

if [ "$1" = --smoke ]; then
  # Inputs per target beyond its seeds: fewer where each input does more (files, whole editing sessions).
  declare -A runs=([settings_file]=1000 [editing]=300)
  for t in "${targets[@]}"; do
    echo "fuzz smoke: $t"
    # New inputs go to a scratch folder, never among the seeds.
    rm -rf "$build/smoke-corpus/$t" && mkdir -p "$build/smoke-corpus/$t"
    "$build/fuzz/fuzz_$t" "${common[@]}" -runs="${runs[$t]:-2000}" -seed=1 -artifact_prefix="$build/smoke-$t-" \
      "$build/smoke-corpus/$t" "$seeds/$t" 2>"$build/smoke-$t.log" ||
      { tail -n 60 "$build/smoke-$t.log"; echo "fuzz smoke: $t FAILED" >&2; exit 1; }
  done
  exit 0
fi

[ $# -eq 2 ] || usage
target=$1 minutes=$2
[[ " ${targets[*]} " == *" $target "* ]] || usage
[[ "$minutes" =~ ^[0-9]+$ ]] || usage
mkdir -p "$build/corpus/$target" "$build/crashes"
exec "$build/fuzz/fuzz_$target" "${common[@]}" -max_total_time=$((minutes * 60)) \
  -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" "$seeds/$target"
