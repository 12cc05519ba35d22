#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillon and builds it.
#   ./setup.sh run    install what is missing, build in Release, start the program
#   ./setup.sh test   install what is missing, build with tests, run every test
set -eu
cd "$(dirname "$0")"
mode=${1:-run}

packages="cmake g++ make qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  fonts-wine fonts-liberation fonts-dejavu-core xvfb xauth xdotool x11-utils openbox valgrind
  imagemagick"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

case "$mode" in
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF
    cmake --build build -j"$(nproc)"
    exec build/quillon
    ;;
  test)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=ON -DQUILLON_BENCH=ON
    cmake --build build -j"$(nproc)"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *) echo "usage: ./setup.sh run | test" >&2; exit 2 ;;
esac
