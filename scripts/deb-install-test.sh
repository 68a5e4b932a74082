#!/usr/bin/env bash
# Installs the calculator's Debian package on this machine, checks that the
# desktop knows a saved calculation's file type and opens it with the menu
# entry, starts the installed program from that entry's command line under a
# virtual X server, waits for its main window, saves a picture of it and
# removes the package again (file type included), also when a step fails.
# Usage: scripts/deb-install-test.sh BUILD_DIR [PICTURE.png]
# Exits 77 (skipped) with the reason when it must not or cannot install.
set -euo pipefail
build=$(cd "$1" && pwd)
picture=${2:-$build/packages/installed_program.png}
package=veltra-calculator
title=" Dorvesk Veltra Calculator"

skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v dpkg >/dev/null || skip "no dpkg on this machine"
command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || skip "needs xvfb-run and xwininfo"
command -v xdg-mime >/dev/null && command -v mimetype >/dev/null ||
  skip "needs xdg-mime and mimetype (scripts/setup.sh installs them)"
sample_tool=$build/calculator/tools/veltra_calculation_sample
[ -x "$sample_tool" ] || { echo "FAIL: $sample_tool is not built"; exit 1; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
  skip "$package is already installed here; not touching an installation this test did not make"
fi

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/packages/${package}_*.deb | head -n1)
echo "package: $deb"
dpkg-deb -f "$deb" Depends Recommends

# Every library the program links must come from a package it depends on.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/ *([^)]*)//g; s/, */\n/g')
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
for lib in $(objdump -p "$unpacked/usr/bin/VeltraCalculator" | awk '/NEEDED/ {print $2}'); do
  path=$(readlink -f "$(ldconfig -p | awk -v l="$lib" '$1 == l && /x86-64/ {print $NF}' | sed -n 1p)")
  # With merged /usr the package may list the library under /lib.
  owner=$( (dpkg -S "$path" 2>/dev/null || dpkg -S "${path#/usr}" 2>/dev/null || true) |
           sed -n '1s/:.*//p')
  if [ -z "$owner" ] || ! grep -qxF "$owner" <<<"$depends"; then
    echo "FAIL: $lib (package ${owner:-unknown}) is not among the dependencies"
    rm -rf "$unpacked"
    exit 1
  fi
done
rm -rf "$unpacked"
grep -q 'xchm' <<<"$(dpkg-deb -f "$deb" Recommends)" || { echo "FAIL: xchm is not recommended"; exit 1; }

# dpkg refuses while another apt or dpkg runs; wait for it a while.
dpkg_waiting() {
  local out
  for _ in $(seq 1 120); do
    if out=$(dpkg "$@" 2>&1); then return 0; fi
    grep -q 'lock' <<<"$out" || { echo "$out" >&2; return 1; }
    sleep 2
  done
  echo "$out" >&2
  return 1
}

installed=""
types=$(mktemp -d)
cleanup() {
  if [ -n "$installed" ]; then
    dpkg_waiting --purge "$package" || echo "could not remove $package" >&2
  fi
  rm -rf "$types"
}
trap cleanup EXIT
installed=yes  # from here on a half-done installation is removed as well
dpkg_waiting -i "$deb"

entry=/usr/share/applications/$package.desktop
icon=/usr/share/icons/hicolor/scalable/apps/$package.svg
mime_package=/usr/share/mime/packages/$package.xml
for f in "$entry" "$icon" "$mime_package" /usr/share/veltra/price.txt /usr/share/veltra/VeltraCalculator.chm \
         /usr/share/veltra/v4_overview.chm /usr/share/veltra/366.chm; do
  [ -f "$f" ] || { echo "FAIL: the package did not install $f"; exit 1; }
done
# The file type as a desktop without one of its own sees it, through the
# databases that dpkg's triggers rebuilt: a saved calculation is known by its
# name and, renamed, by its content; the menu entry opens it.
mime=application/x-veltra-calculation
"$sample_tool" "$types/Расчет.veltra"
cp "$types/Расчет.veltra" "$types/Расчет из почты"
desktop_query() { env -i PATH=/usr/bin:/bin HOME="$types" LANG=C.UTF-8 xdg-mime query "$@"; }
for f in "$types/Расчет.veltra" "$types/Расчет из почты"; do
  type=$(desktop_query filetype "$f")
  [ "$type" = "$mime" ] || { echo "FAIL: xdg-mime takes $f for '$type', not $mime"; exit 1; }
done
handler=$(desktop_query default "$mime")
[ "$handler" = "$package.desktop" ] ||
  { echo "FAIL: $mime opens with '$handler', not $package.desktop"; exit 1; }
grep -qx 'Exec=VeltraCalculator %f' "$entry" || { echo "FAIL: the menu entry passes no file"; exit 1; }
echo "file type: $mime, opened by $handler"

# The menu's command line, without its field codes (%f, %U, ...).
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n1 | sed 's/ *%[a-zA-Z]//g')
echo "menu command: $exec_line"

run=$(mktemp -d)
cat > "$run/session.sh" <<SESSION
#!/usr/bin/env bash
# Only system folders on the path, so the installed program is the one run.
cd "$run"
PATH=/usr/bin:/bin HOME="$run" $exec_line > "$run/program.log" 2>&1 &
program=\$!
for _ in \$(seq 1 120); do
  if xwininfo -root -tree | grep -qF '"$title"'; then
    sleep 0.5
    "$build/calculator/tools/screen-grab" "$picture" || true
    kill \$program
    echo "window \"$title\" shown"
    exit 0
  fi
  if ! kill -0 \$program 2>/dev/null; then
    wait \$program; echo "FAIL: the program ended with status \$? before showing its window"
    cat "$run/program.log"; exit 1
  fi
  sleep 0.5
done
kill \$program 2>/dev/null || true
echo "FAIL: no window \"$title\" within a minute"
cat "$run/program.log"
exit 1
SESSION
chmod +x "$run/session.sh"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$run/session.sh" || status=$?
rm -rf "$run"
[ "$status" -eq 0 ] || exit "$status"

dpkg_waiting --purge "$package"
installed=""
for f in /usr/bin/VeltraCalculator "$entry" "$mime_package" /usr/share/veltra; do
  [ ! -e "$f" ] || { echo "FAIL: $f is left after removing the package"; exit 1; }
done
type=$(desktop_query filetype "$types/Расчет из почты")
[ "$type" != "$mime" ] || { echo "FAIL: $mime is still known after removing the package"; exit 1; }
echo "installed, file type known, started from the menu command, removed: ok (picture $picture)"
