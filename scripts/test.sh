#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the core tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# scenario runner and Lumiq.zip with CMake's default generator, then a bounded
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
# Ninja does: build the Qt-free scenario runner and Lumiq.zip (written into a
# folder of its own) with it, and run their tests.
cmake -S . -B build-make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRA_BUILD_GUI=OFF -DLUMIQ_WIN32=ON -DLUMIQ_WIN64_CHECK=OFF >/dev/null
cmake --build build-make --parallel "$(nproc)" --target veltra-scenario lumiq_zip
(cd build-make && ctest --output-on-failure --parallel "$(nproc)" -R '^(scenario\.|lumiq_zip_contents$)')
fuzz/run --check
