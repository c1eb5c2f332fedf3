#!/usr/bin/env bash
# Sets up, builds and runs every test. GUI tests run offscreen; those that need
# a real display get one from Xvfb, started here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
xvfb_pid=""
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export TARNWICK_XVFB_DISPLAY="$display"
  # A test that starts before the server listens would find no display.
  for _ in $(seq 100); do DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
fi
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600

# A program saving over and over, killed at random moments 200 times: the
# file always holds one whole version (tools/kill-save.sh 1000 for a long run).
bash "$root/tools/kill-save.sh" 200 "$root/build/tests/ui/tarnwick_save_helper"

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
bash "$root/tools/sanitize.sh"

# Every fuzz target for a short fixed number of inputs from its seeds.
bash "$root/tools/fuzz.sh" --smoke

# The Debian package, installed into a scratch root and started there.
bash "$root/tools/package-test.sh"

# The core and the Windows pieces, cross-built and run under Wine.
bash "$root/tools/windows-tests.sh"
