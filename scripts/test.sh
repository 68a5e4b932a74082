#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the core tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then a bounded
# run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)")
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRA_SANITIZE=ON \
  -DVELTRA_BUILD_GUI=OFF -DLUMIQ_WIN32=OFF >/dev/null
cmake --build build-asan --parallel "$(nproc)"
(cd build-asan && ctest --output-on-failure --parallel "$(nproc)")
fuzz/run --check
