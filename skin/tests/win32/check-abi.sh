#!/bin/sh
# Checks the 32-bit Lumiq.dll without running it, so the checks hold on
# machines that cannot run 32-bit programs:
#   - GetPluginInfo is its only export, under that plain name;
#   - every function that the host or the system calls is stdcall (the
#     compiler decorates those, and only those, with @ and their argument
#     bytes) and GetPluginInfo returns with "ret 4", cleaning its argument.
#
#   check-abi.sh OBJDUMP NM Lumiq.dll
set -u
objdump=$1
nm=$2
dll=$3
status=0
fail() {
  echo "check-abi: $*" >&2
  status=1
}

exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p')
[ "$exports" = "GetPluginInfo" ] || fail "exports are '$exports', not just GetPluginInfo"

symbols=$("$nm" "$dll") || { fail "cannot read the symbols of $dll"; exit 1; }
# name pattern (as the symbol table spells it) and argument bytes
for entry in \
  "_GetPluginInfo 4" \
  "lumiq14PluginCallbackE 16" \
  "lumiq10SkinWindowE 16" \
  "lumiq11SkinControlE 24" \
  "TProcHandler10WindowProcE 16" \
  "AddDescendantE 8"; do
  set -- $entry
  found=$(printf '%s\n' "$symbols" | grep -E " [Tt] [^ ]*$1[^ ]*$" | grep -v '\.cold$')
  if [ -z "$found" ]; then
    fail "no symbol for $1"
  elif printf '%s\n' "$found" | grep -qv "@$2\$"; then
    fail "$1 is not stdcall with $2 argument bytes: $found"
  fi
done

if ! "$objdump" -d --disassemble=_GetPluginInfo@4 "$dll" | grep -qE 'ret +\$0x4$'; then
  fail "GetPluginInfo does not return with ret 4"
fi
[ $status -eq 0 ] && echo "check-abi: $dll exports GetPluginInfo only, boundary functions are stdcall"
exit $status
