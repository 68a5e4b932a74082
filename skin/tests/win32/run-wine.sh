#!/bin/sh
# Runs a Windows program under Wine in a virtual X server, with a Wine
# prefix of its own that is created on first use.
#
#   run-wine.sh win32|win64 PREFIX PROGRAM [ARGS...]
#
# Exits 77 (the test counts as skipped) when Wine is installed but this
# machine cannot run programs of that architecture, for instance a kernel
# started without 32-bit support and no emulator registered for them.
#
# Where 32-bit programs run only through user-mode emulation (an i386
# handler of qemu registered with binfmt_misc; scripts/setup.sh registers
# one when run as root), everything is slow, so the 32-bit run has a budget:
#   LUMIQ_WIN32_EMULATION  smoke (default): the arguments in
#                          LUMIQ_WINE_SMOKE_ARGS are added (a test filter);
#                          full: everything; off: skipped
#   LUMIQ_WINE_PREFIX_BUDGET  seconds for creating the prefix (default 420)
#   LUMIQ_WINE_RUN_BUDGET     seconds for the program (default 240)
# A prefix that cannot be made, or a program that overruns, in the budget is
# reported as skipped with the reason: the emulator is not what is tested.
# The emulated prefix is kept outside the build folder, so that its slow
# creation happens once per machine; so is a note of a creation that failed,
# so that later runs skip at once instead of spending the budget again (a
# larger budget tries again). LUMIQ_WINE_FORCE_EMULATED=1 applies
# these rules on any machine (to check them).
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
if ! timeout 120 "$loader" --version >/dev/null 2>&1; then
  echo "run-wine: skipped, $loader cannot run on this machine ($arch programs unsupported;" \
       "as root, scripts/setup.sh registers an emulator for 32-bit programs)"
  exit 77
fi

# Whether 32-bit programs run through an emulator: an enabled i386 handler
# whose interpreter is qemu. (Where the kernel runs them itself, such a
# handler is never used; the run is then merely budgeted as well.) Decided
# once: the run inside the virtual X server is told.
emulated=
prefix_budget=0
run_budget=0
if [ -z "${LUMIQ_RUN_DECIDED:-}" ] && [ "$arch" = win32 ]; then
  if [ "${LUMIQ_WINE_FORCE_EMULATED:-}" = 1 ]; then
    emulated=1
  else
    for entry in /proc/sys/fs/binfmt_misc/*; do
      [ -f "$entry" ] || continue
      if grep -qx enabled "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry" &&
         grep -q '^magic 7f454c460101.*0300$' "$entry"; then
        emulated=1
      fi
    done
  fi
  if [ -n "$emulated" ]; then
    mode=${LUMIQ_WIN32_EMULATION:-smoke}
    case $mode in
      off)
        echo "run-wine: skipped, 32-bit programs run only under emulation here" \
             "(LUMIQ_WIN32_EMULATION=off; smoke or full run them)"
        exit 77 ;;
      smoke)
        # shellcheck disable=SC2086
        if [ -n "${LUMIQ_WINE_SMOKE_ARGS:-}" ]; then set -- "$@" ${LUMIQ_WINE_SMOKE_ARGS}; fi ;;
      full) ;;
      *) echo "run-wine: LUMIQ_WIN32_EMULATION must be off, smoke or full" >&2; exit 2 ;;
    esac
    prefix_budget=${LUMIQ_WINE_PREFIX_BUDGET:-420}
    run_budget=${LUMIQ_WINE_RUN_BUDGET:-240}
    if [ "${LUMIQ_WINE_FORCE_EMULATED:-}" != 1 ]; then
      cache=${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}
      prefix="$cache/lumiq/wineprefix-win32-emulated"
    fi
    echo "run-wine: 32-bit programs run under emulation here ($mode run," \
         "budget ${prefix_budget} s for the prefix, ${run_budget} s for the program)"
  fi
fi

if [ -z "${LUMIQ_IN_XVFB:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "run-wine: xvfb-run is missing (scripts/setup.sh installs it)" >&2
    exit 1
  fi
  # 24-bit colour so that pixels read back exactly as painted.
  # The decisions above travel along, so they are made once.
  LUMIQ_IN_XVFB=1 LUMIQ_RUN_DECIDED="$emulated,$prefix_budget,$run_budget" \
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$arch" "$prefix" "$@"
fi
if [ -n "${LUMIQ_RUN_DECIDED:-}" ]; then
  # The arguments already carry the smoke filter and the emulated prefix.
  emulated=${LUMIQ_RUN_DECIDED%%,*}
  budgets=${LUMIQ_RUN_DECIDED#*,}
  prefix_budget=${budgets%%,*}
  run_budget=${budgets#*,}
fi

export WINEPREFIX="$prefix" WINEARCH="$arch" WINELOADER="$loader"
# Without the debugger a crashing program ends at once instead of waiting
# for a debugger console that nobody will answer; desktop menu entries are
# of no use here and slow the prefix's creation.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe,winemenubuilder.exe=d"

# Runs a command, within the budget when there is one (0: none). Wine's
# processes may outlive the command: they must not inherit the prefix lock.
within() {
  budget=$1
  shift
  if [ "$budget" -gt 0 ]; then
    timeout -k 10 "$budget" "$@" 9>&-
  else
    "$@" 9>&-
  fi
}

# The seconds a step of making the prefix may take: at most CAP (0: no cap)
# and, under emulation, no more than is left of the prefix budget, so that
# the whole test stays inside its time limit.
step() {
  cap=$1
  if [ "$prefix_budget" -le 0 ]; then
    echo "$cap"
    return
  fi
  rest=$((prefix_budget - ($(date +%s) - start)))
  [ "$rest" -gt 1 ] || rest=1
  if [ "$cap" -gt 0 ] && [ "$cap" -lt "$rest" ]; then echo "$cap"; else echo "$rest"; fi
}

# A prefix is usable when a program of its own runs and answers.
prefix_works() {
  [ -f "$prefix/system.reg" ] &&
    within "$(step 120)" "$loader" cmd.exe /c echo lumiq-ok 2>/dev/null | grep -q lumiq-ok
}

# Ends the Wine processes of the prefix; its server is found through the
# prefix folder, so this comes before the folder is removed.
end_prefix_processes() {
  [ -d "$prefix" ] && wineserver -k 2>/dev/null 9>&-
}

create_prefix() {
  end_prefix_processes
  rm -rf "$prefix"
  mkdir -p "$prefix"
  echo "run-wine: creating the Wine prefix $prefix"
  within "$(step 0)" "$loader" wineboot -i >/dev/null 2>&1
  case $? in
    124|137)
      # Out of time: end what the creation started, or it runs on and
      # slows every later test.
      end_prefix_processes
      return 1 ;;
  esac
  # There is no window manager in the virtual X server: unmanaged windows
  # spare every hide and destroy a two-second wait for one.
  within "$(step 120)" "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1
  within "$(step 120)" wineserver -w
}

mkdir -p "$(dirname "$prefix")"
failed="$prefix.failed"  # holds the budget a failed creation had
start=$(date +%s)
(
  flock 9
  if [ -n "$emulated" ] && [ -f "$failed" ] && [ "$prefix_budget" -le "$(cat "$failed")" ]; then
    exit 0
  fi
  if [ ! -f "$prefix/system.reg" ] || { [ -n "$emulated" ] && ! prefix_works; }; then
    if [ -n "$emulated" ]; then
      # Creation under emulation has been seen to crash once and leave a
      # prefix where nothing loads: check it, and try once more if time is left.
      rm -f "$failed"
      for attempt in 1 2; do
        left=$((prefix_budget - ($(date +%s) - start)))
        [ "$left" -gt 30 ] || break
        if create_prefix && prefix_works; then break; fi
        echo "run-wine: the prefix does not work after attempt $attempt"
        end_prefix_processes
        rm -rf "$prefix"
      done
      [ -f "$prefix/system.reg" ] || echo "$prefix_budget" >"$failed"
    else
      create_prefix
    fi
  fi
) 9>"$prefix.lock"
if [ ! -f "$prefix/system.reg" ]; then
  if [ -n "$emulated" ]; then
    echo "run-wine: skipped, no working 32-bit Wine prefix under emulation within" \
         "$(cat "$failed" 2>/dev/null || echo "$prefix_budget") s (remove $failed or give" \
         "LUMIQ_WINE_PREFIX_BUDGET more to try again)"
    exit 77
  fi
  echo "run-wine: could not create the Wine prefix $prefix" >&2
  exit 1
fi

within "$run_budget" "$loader" "$@"
rc=$?
within 60 wineserver -w
if [ -n "$emulated" ] && { [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; }; then
  wineserver -k 2>/dev/null 9>&-
  echo "run-wine: skipped, the program did not finish within ${run_budget} s under emulation"
  exit 77
fi
exit $rc
