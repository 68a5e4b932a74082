#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the core tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# core and its scenario runner with CMake's default generator, then a bounded
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
# A plain "cmake -S . -B build && cmake --build build" uses CMake's default
# generator, Unix Makefiles, which makes no folder for a target's output as
# Ninja does: build the Qt-free core and the scenario runner with it too and
# run the scenarios (Lumiq.zip's script makes its own folder).
cmake -S . -B build-make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRA_BUILD_GUI=OFF -DLUMIQ_WIN32=OFF >/dev/null
cmake --build build-make --parallel "$(nproc)" --target veltra-scenario
(cd build-make && ctest --output-on-failure --parallel "$(nproc)" -R '^scenario\.')
fuzz/run --check
