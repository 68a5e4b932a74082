#!/usr/bin/env bash
# Installs what is missing, builds, and starts VeltraCalculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
scripts/build.sh
exec build/calculator/app/VeltraCalculator "$@"
