#!/usr/bin/env bash
# Rebuilds the artwork generator and redraws every picture in res/, with its @2x and @3x
# variants (res/GKC/ is not touched).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${ARTWORK_BUILD_DIR:-${TMPDIR:-/tmp}/ovelune-artwork-build}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
"$build/ovelune_artwork" "$here/../../res"
