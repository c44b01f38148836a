#!/usr/bin/env bash
# Sets up a Debian 12 machine for the trainer, builds it, then runs it or its tests.
#   bash build.sh run    build and start the trainer
#   bash build.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth openbox xdotool wmctrl xclip x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=${DORVIAN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

case "${1:-run}" in
  run)
    cd "$build/run"
    exec ../dorvian
    ;;
  test)
    cd "$build"
    exec ctest --output-on-failure -j2 --timeout 600
    ;;
  *)
    echo "usage: bash build.sh [run|test]" >&2
    exit 2
    ;;
esac
