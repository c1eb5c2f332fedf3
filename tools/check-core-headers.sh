#!/usr/bin/env bash
# Fails when a core source (anything outside the ui/ and win/ folders) includes
# Qt or OS headers, or when a room other than window/ includes the window: the
# window puts the rooms together, and they reach it only through unit/'s ports.
# lsp/ is no core room: the language server speaks JSON through Qt and reads
# the standard input, but like the rooms it never includes the window.
set -u
root=${1:-.}
cd "$root" || exit 2
rooms=(unit editor documents settings syntax completion commands run options help language)
hits=$(find "${rooms[@]}" window \( -path '*/ui' -o -path '*/win' \) -prune -o \
        \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null |
       xargs -r grep -n -E '#\s*include\s*[<"](Q[A-Za-z]+|qt[a-z]*/|windows\.h|unistd\.h|sys/|fcntl\.h|pthread\.h|dirent\.h)' )
if [ -n "$hits" ]; then
  echo "core sources include platform headers:"; echo "$hits"; exit 1
fi
hits=$(grep -rn -E '#\s*include\s*"window/' "${rooms[@]}" lsp 2>/dev/null)
# No core room reaches up into the language server either.
hits+=$(grep -rn -E '#\s*include\s*"lsp/' "${rooms[@]}" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "rooms include the window or the language server:"; echo "$hits"; exit 1
fi
echo "core is free of Qt and OS headers; no room includes the window"
