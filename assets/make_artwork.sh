#!/usr/bin/env bash
# Redraws the window's pictures into assets/pictures/.
#   assets/make_artwork.sh [PREVIEW_DIR]
# With PREVIEW_DIR every picture is also written there as a PNG to look at.
# Needs Qt 6 (qt6-base-dev) and the fonts DejaVu Sans and Amiri
# (fonts-dejavu-core, fonts-hosny-amiri).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${KOVRIM_ARTWORK_BUILD:-$here/tools/build}
cmake -S "$here/tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/make_artwork" "$here/pictures" "$@"
