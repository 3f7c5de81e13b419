#!/usr/bin/env bash
# Fails unless the DLL exports exactly the given names, undecorated.
#   check-exports.sh OBJDUMP DLL NAME...
set -u
objdump=$1 dll=$2
shift 2
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
expected=$(printf '%s\n' "$@" | sort)
echo "exports of $(basename "$dll"): $(tr '\n' ' ' <<<"$actual")"
[ "$actual" = "$expected" ] || { echo "expected exactly: $(tr '\n' ' ' <<<"$expected")"; exit 1; }
