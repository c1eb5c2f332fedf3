#!/usr/bin/env bash
# Fails when a core source (anything outside the ui/ and win/ folders) includes Qt or OS headers.
set -u
root=${1:-.}
cd "$root" || exit 2
hits=$(find unit editor documents settings window syntax completion commands run options help language \( -path '*/ui' -o -path '*/win' \) -prune -o \
        \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null |
       xargs -r grep -n -E '#\s*include\s*[<"](Q[A-Za-z]+|qt[a-z]*/|windows\.h|unistd\.h|sys/|fcntl\.h|pthread\.h|dirent\.h)' )
if [ -n "$hits" ]; then
  echo "core sources include platform headers:"; echo "$hits"; exit 1
fi
echo "core is free of Qt and OS headers"
