#!/usr/bin/env bash
# Installs what the build, the tests and running the program (its CHM help
# viewer included) need on Debian 12; with --drive also what driving it under
# a virtual X server needs. Idempotent: apt is only called when a package is
# missing. run.sh's old "--run" argument changes nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxlsxwriter-dev
  python3-openpyxl gnumeric  # the quotation read back and recalculated by real programs
  fonts-dejavu-core
  xvfb xauth x11-utils
  python3 fp-utils  # the help files: compiled with chmcmd, checked with chmls
  xchm qt6-qpa-plugins  # the help viewer, run once by the tests
  dpkg-dev  # dpkg-shlibdeps, for the Debian package's dependencies
  clang libclang-rt-14-dev  # the fuzz targets (libFuzzer and sanitizer runtimes)
)
# Lumiq: 32-bit Windows cross build, tested under Wine.
packages+=(g++-mingw-w64-i686 mingw-w64-i686-dev)
i386_packages=(wine32:i386)
packages+=(wine)
packages+=(wine64 g++-mingw-w64-x86-64)  # Lumiq's Windows tests where 32-bit programs cannot run
if [ "${1:-}" = "--drive" ]; then
  packages+=(xdotool scrot)  # scripts/drive_base_station.sh
fi

missing=()
for p in "${packages[@]}" "${i386_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [ "${#i386_packages[@]}" -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
