#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillon and builds it.
#   ./setup.sh run    install what is missing, build in Release, start the program
#   ./setup.sh web    install what is missing, build the page: build-web/quillon.html and build-web/site/
#   ./setup.sh test   install what is missing, build the program and the page, run every test
set -eu
cd "$(dirname "$0")"
mode=${1:-run}

packages="cmake g++ make qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  fonts-wine fonts-liberation fonts-dejavu-core xvfb xauth xdotool x11-utils openbox valgrind
  imagemagick"
# The page: its compiler, the fonts it embeds, and the browsers its tests drive.
web_packages="emscripten fonttools python3-brotli"
test_web_packages="chromium firefox-esr webkit2gtk-driver"
case "$mode" in
  web) packages="cmake make $web_packages fonts-wine fonts-liberation" ;;
  test) packages="$packages $web_packages $test_web_packages clang-format" ;;
esac
command -v npm >/dev/null || packages="$packages nodejs npm"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

# Debian's emscripten finds its optimiser's parser only with this.
build_web() {
  NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=$1
  NODE_PATH=/usr/share/nodejs cmake --build build-web -j"$(nproc)"
}

case "$mode" in
  web)
    build_web OFF
    echo "Open build-web/quillon.html in a browser, or serve the folder build-web/site/."
    ;;
  run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF
    cmake --build build -j"$(nproc)"
    exec build/quillon
    ;;
  test)
    build_web ON
    npm ci --prefix tests/web --no-audit --no-fund
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=ON -DQUILLON_BENCH=ON \
      -DQUILLON_WEB_PAGE="$PWD/build-web/quillon.html"
    cmake --build build -j"$(nproc)"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    # The model tests again, compiled to WebAssembly, under node.
    ctest --test-dir build-web --output-on-failure
    ;;
  *) echo "usage: ./setup.sh run | web | test" >&2; exit 2 ;;
esac
