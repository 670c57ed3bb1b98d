#!/usr/bin/env bash
# Sets up a Debian 12 machine for Sorbeta, then builds and runs the app or the tests.
#   scripts/dev.sh run    install packages, build, start the app
#   scripts/dev.sh test   install packages, build the tests (with sanitizers) and run them
#   scripts/dev.sh bench  install packages, build the benchmarks (optimised)
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
  qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
  qt6-qpa-plugins qcoro-qt6-dev libxcb1-dev libssl-dev libgtest-dev clang-format fonts-noto-cjk fonts-noto-color-emoji fonts-thai-tlwg)
# The benchmarks also drive the app under a virtual display and compare with other tools.
BENCH_PACKAGES=(xvfb xdotool openbox trayer gdu jdupes rdfind fdupes)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=${JOBS:-$(nproc)}
case "${1:-}" in
  run)
    install_packages
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORBETA_BUILD_TESTS=OFF
    cmake --build build/release --target sorbeta -j "$jobs"
    exec build/release/sorbeta
    ;;
  test)
    install_packages
    bash scripts/check-format.sh
    # CI treats a warning in our code as an error; a local build only shows it.
    werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -g1" \
      -DSORBETA_SANITIZE=ON -DSORBETA_WERROR="$werror"
    cmake --build build/test -j "$jobs"
    cd build/test
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
    ;;
  bench)
    install_packages "${BENCH_PACKAGES[@]}"
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORBETA_BUILD_TESTS=OFF -DSORBETA_BUILD_BENCH=ON
    cmake --build build/bench -j "$jobs"
    echo "benchmarks built in build/bench/bench/"
    ;;
  *)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
