#!/usr/bin/env bash
# The README's main command: installs what is missing, builds the shipped binaries and shows them.
source "$(dirname "$0")/common.sh"
kit_build_ship
echo "shipped binaries in $KIT_SHIP/bin:"
for f in "$KIT_SHIP"/bin/*; do
  printf '  %-22s %s\n' "$(basename "$f")" "$(i686-w64-mingw32-objdump -f "$f" | sed -n "s/.*file format //p")"
done
