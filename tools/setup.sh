#!/usr/bin/env bash
# Installs what the build and the tests need (Debian packages), then configures
# and builds everything in build/. Safe to run again: it installs only what is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev qt6-base-dev-tools libgl-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth openbox x11-utils fonts-liberation fonts-dejavu-core
          libchm-dev fp-utils   # the help viewer and the help compiler
          libsimdjson-dev       # the language server's message reader
          dpkg-dev file desktop-file-utils xdotool imagemagick  # the package and its test
          lintian appstream man-db   # the package's checks: Debian's checker, the metadata, the manual page
          strace                # a save's sync before its rename
          poppler-utils         # reads back the printout written as a PDF file
          clang libclang-rt-14-dev   # the fuzz targets (libFuzzer comes with clang)
          neovim                # a real client of the language server in its test
          wine wine64           # wscript and cscript where Windows has them built in
          g++-mingw-w64-x86-64-posix)  # tarnwick-host.exe, the script host run under Wine
bash "$root/tools/ensure-packages.sh" "${packages[@]}"

# One shared build directory; ccache keeps rebuilds of a fresh clone quick.
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -- -j"$(nproc)"
