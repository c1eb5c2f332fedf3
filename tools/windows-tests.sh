#!/usr/bin/env bash
# Cross-builds the core, the Windows pieces that need no Qt and their tests
# with MinGW-w64, and runs the tests under Wine. The Qt front end is built on
# Windows itself, with an installed Qt (see the README).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-windows"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools googletest wine wine64 cmake ninja-build ccache)
bash "$root/tools/ensure-packages.sh" "${packages[@]}"

export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DTARNWICK_BUILD_UI=OFF -DTARNWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -- -j"$(nproc)"

# A Wine prefix of the build's own; its first start takes some seconds.
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
# One server for the whole run: when a server is left to end on its own, a Wine
# program started in the moment it ends exits with code 1 and prints nothing.
# Wine's own services, started by the first program, hold that program's
# output open as long as the server runs: start them here, not under ctest.
mkdir -p "$WINEPREFIX"
wineserver -p 2>/dev/null || true  # one may be running already
wineboot -i </dev/null >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true' EXIT
cd "$build"
ctest --output-on-failure --timeout 600
