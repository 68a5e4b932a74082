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
  libxlsxwriter-dev nlohmann-json3-dev  # the quotation workbook; saved calculations
  python3-openpyxl gnumeric  # the quotation read back and recalculated by real programs
  poppler-utils  # the proposal's PDF read back (pdftotext, pdffonts) and drawn (pdftoppm)
  qt6-translations-l10n  # the toolkit's print and preview dialogs in Russian
  fonts-dejavu-core
  xvfb xauth x11-utils
  python3 fp-utils  # the help files: compiled with chmcmd, checked with chmls
  xchm qt6-qpa-plugins  # the help viewer, run once by the tests
  qt6-translations-l10n  # Qt's own dialogs in Russian
  dpkg-dev  # dpkg-shlibdeps, for the Debian package's dependencies
  shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl  # the package's file type, as a desktop sees it
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

# Lumiq's 32-bit tests on a kernel that refuses 32-bit programs: Wine's
# 32-bit loader then runs under qemu's user-mode emulation, registered with
# binfmt_misc for i386 programs (flag F: the interpreter is opened now, so it
# works in any mount namespace). Only as root, only when the kernel refuses
# them, and only when no i386 handler is registered yet: other handlers and
# a machine owner's own choice stay as they are. The tests themselves say
# "Skipped" with the reason when 32-bit programs still cannot run.
register_i386_emulation() {
  local probe=/usr/lib/wine/wine dir=/proc/sys/fs/binfmt_misc
  [ -x "$probe" ] || return 0
  timeout 60 "$probe" --version >/dev/null 2>&1 && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: this kernel runs no 32-bit programs; as root, setup registers an emulator" \
         "for them (the 32-bit Wine tests are skipped until then)"
    return 0
  fi
  if [ ! -e "$dir/register" ] && ! mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null; then
    echo "setup: cannot mount binfmt_misc; the 32-bit Wine tests will be skipped"
    return 0
  fi
  local entry
  for entry in "$dir"/*; do
    if [ -f "$entry" ] && grep -q '^magic 7f454c460101.*0300$' "$entry" 2>/dev/null; then
      echo "setup: an i386 handler is registered already ($(basename "$entry")); left as it is"
      return 0
    fi
  done
  if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static
  fi
  [ -x /usr/bin/qemu-i386-static ] || { echo "setup: qemu-i386-static is missing"; return 0; }
  local magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  if ! printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >"$dir/register"; then
    echo "setup: could not register qemu for i386 programs; the 32-bit Wine tests will be skipped"
    return 0
  fi
  if timeout 120 "$probe" --version >/dev/null 2>&1; then
    echo "setup: 32-bit programs now run under qemu-i386-static (slow; the 32-bit Wine tests" \
         "run a budgeted subset)"
  else
    echo "setup: 32-bit programs still do not run under qemu-i386-static"
  fi
}
register_i386_emulation
