#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build and all its tests,
# then the Qt-free core's and the scenarios' tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (in the fuzz targets' clang
# build), then what CMake's default generator builds differently from Ninja,
# then a bounded run of each fuzz target. Each pass builds only what it runs
# and says when it ended.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
scripts/setup.sh

# The Wine prefixes of the Lumiq tests are made while the code compiles: a
# prefix takes a minute, and under emulation of 32-bit programs up to its
# whole budget. The tests wait for a prefix still being made (run-wine.sh
# locks it) and decide on it exactly as they would have. They run niced: the
# compiler is what the whole run waits for, and under emulation the 32-bit
# prefix would otherwise take a core away from it for its whole budget.
if command -v wine >/dev/null; then
  mkdir -p build/skin
  for arch in win32 win64; do
    nice -n 19 skin/tests/win32/run-wine.sh "$arch" "$PWD/build/skin/wineprefix-$arch" cmd.exe /c echo \
      >"build/skin/wineprefix-$arch.log" 2>&1 &
  done
fi

scripts/build.sh
echo "test: built after $SECONDS s"
# The Wine tests run one at a time on one core, for minutes: they run beside
# the other tests and the sanitizer and Makefiles builds (not beside the fuzz
# runs, whose runs are bounded in time), in a process group of their own that
# ends with this script. Two ctest runs at once would both write the test
# lists that GoogleTest's discovery makes on a first run: one listing makes
# them first.
(cd build && ctest -N >/dev/null)
(cd build && exec setsid ctest --output-on-failure -L wine >wine-tests.log 2>&1) &
wine_tests=$!
trap 'kill -- -"$wine_tests" 2>/dev/null || kill "$wine_tests" 2>/dev/null || true' EXIT
(cd build && ctest --output-on-failure --parallel "$jobs" -LE wine)
echo "test: the normal build's tests passed after $SECONDS s"

# The sanitizer pass runs in the fuzz targets' clang build: the core and its
# tests compiled once with AddressSanitizer and UndefinedBehaviorSanitizer
# serve both.
fuzz/configure --with-tests
cmake --build build-fuzz --parallel "$jobs" --target tests-core tests-scenario
(cd build-fuzz && ctest --output-on-failure --parallel "$jobs" -L '^(core|scenario)$')
echo "test: the sanitized tests passed after $SECONDS s"

# A plain "cmake -S . -B build && cmake --build build" uses CMake's default
# generator, Unix Makefiles, which unlike Ninja makes no folder for a custom
# command's output: build the custom commands with it (the compiled code is
# the same as Ninja's), without the tests, so that GoogleTest is not needed.
# Lumiq.zip's script makes its own folder.
cmake -S . -B build-make -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=OFF -DLUMIQ_WIN32=OFF >/dev/null
cmake --build build-make --parallel "$jobs" --target lumiq_demo veltra_help >/dev/null
for made in skin/demo/Demo.lqs calculator/app/VeltraCalculator.chm; do
  [ -s "build-make/$made" ] || { echo "test: the Makefiles build made no build-make/$made"; exit 1; }
done

wine_status=0
wait "$wine_tests" || wine_status=$?
trap - EXIT
wait  # the prefixes' runs, which the Wine tests have waited for already
cat build/wine-tests.log
[ "$wine_status" -eq 0 ] || { echo "test: the Wine tests failed"; exit 1; }
echo "test: the Wine tests passed after $SECONDS s"

fuzz/run --check
echo "test: everything passed after $SECONDS s"
