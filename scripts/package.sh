#!/usr/bin/env bash
# Builds the two packages into build/packages:
#   veltra-calculator_VERSION_amd64.deb  the calculator, through CPack
#   Lumiq.zip                            the plug-in for installer authors
# Install the first with: sudo apt install ./build/packages/veltra-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIQ_WIN32=ON >/dev/null
cmake --build build --parallel "$(nproc)" --target VeltraCalculator veltra_help lumiq_zip
(cd build && cpack -G DEB >/dev/null)
ls -l build/packages/*.deb build/packages/Lumiq.zip
