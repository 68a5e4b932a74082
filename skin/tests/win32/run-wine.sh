#!/bin/sh
# Runs a Windows program under Wine in a virtual X server, with a Wine
# prefix of its own that is created on first use.
#
#   run-wine.sh win32|win64 PREFIX PROGRAM [ARGS...]
#
# Exits 77 (the test counts as skipped) when Wine is installed but this
# machine cannot run programs of that architecture, for instance a kernel
# started without 32-bit support.
set -u
arch=$1
prefix=$2
shift 2

case $arch in
  win32) candidates="/usr/lib/wine/wine $(command -v wine || true)" ;;
  win64) candidates="/usr/lib/wine/wine64 $(command -v wine64 || true)" ;;
  *) echo "run-wine: unknown architecture $arch" >&2; exit 2 ;;
esac
loader=
for c in $candidates; do
  if [ -x "$c" ]; then loader=$c; break; fi
done
if [ -z "$loader" ]; then
  if [ "$arch" = win64 ]; then
    echo "run-wine: skipped, no 64-bit Wine installed"
    exit 77
  fi
  echo "run-wine: Wine is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi
if ! "$loader" --version >/dev/null 2>&1; then
  echo "run-wine: skipped, $loader cannot run on this machine ($arch programs unsupported)"
  exit 77
fi

if [ -z "${LUMIQ_IN_XVFB:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "run-wine: xvfb-run is missing (scripts/setup.sh installs it)" >&2
    exit 1
  fi
  # 24-bit colour so that pixels read back exactly as painted.
  LUMIQ_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" "$arch" "$prefix" "$@"
fi

export WINEPREFIX="$prefix" WINEARCH="$arch" WINELOADER="$loader"
# Without the debugger a crashing program ends at once instead of waiting
# for a debugger console that nobody will answer.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    echo "run-wine: creating the Wine prefix $prefix"
    "$loader" wineboot -i >/dev/null 2>&1
    # There is no window manager in the virtual X server: unmanaged windows
    # spare every hide and destroy a two-second wait for one.
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
) 9>"$prefix.lock"
if [ ! -f "$prefix/system.reg" ]; then
  echo "run-wine: could not create the Wine prefix $prefix" >&2
  exit 1
fi

"$loader" "$@"
rc=$?
wineserver -w
exit $rc
