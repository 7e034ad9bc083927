#!/usr/bin/env bash
# Kovrim: install what is missing, build, and then test or run.
#   ./build.sh test   build and run every test
#   ./build.sh run    build and open the window
# Run as root, or as a user who may use sudo (for apt-get only).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev
          libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev
          libgtest-dev libgmock-dev googletest libbenchmark-dev libc-bin
          fonts-dejavu-core
          xvfb xauth xdotool xclip x11-xkb-utils x11-utils xkb-data)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${KOVRIM_BUILD_DIR:-build}
# The tests build with warnings as errors, and build the artwork tool too;
# opening the window tolerates the warnings of a newer compiler.
strict=OFF
if [ "${1:-test}" = test ]; then strict=ON; fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKOVRIM_WERROR=$strict -DKOVRIM_ARTWORK_TOOL=$strict >/dev/null
cmake --build "$build" --parallel

case "${1:-test}" in
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
    ;;
  run)
    exec "$build/app/kovrim"
    ;;
  *)
    echo "usage: $0 [test|run]" >&2
    exit 2
    ;;
esac
