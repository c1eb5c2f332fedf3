#!/usr/bin/env bash
# Sets up, builds and starts the editor, on the given script or the sample one.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
file=${1:-$root/examples/Hello.vbs}
exec "$root/build/tarnwick" "$file"
