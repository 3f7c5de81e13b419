#!/usr/bin/env bash
# The README's main command: installs what is missing, builds the shipped binaries, and shows the
# plug-in at work: the browser stand-in loads it beside the substitute token module (one token)
# and calls the four script methods.
source "$(dirname "$0")/common.sh"
kit_build_ship
echo "shipped binaries in $KIT_SHIP/bin:"
for f in "$KIT_SHIP"/bin/*.exe "$KIT_SHIP"/bin/*.dll; do
  printf '  %-22s %s\n' "$(basename "$f")" "$(i686-w64-mingw32-objdump -f "$f" | sed -n "s/.*file format //p")"
done

arch=$(kit_test_arch)
bench=$KIT_SHIP
if [ "$arch" != i686 ]; then
  # This machine cannot run 32-bit x86 code: the same sources built for x86_64 run instead.
  bench=$KIT_BUILD/bench-$arch
  kit_configure_build "$bench" "$arch" posix -DKIT_TESTS=OFF
fi
echo
echo "npKeyBridge in the browser stand-in ($arch build):"
cd "$bench/bin/token-module/full"
"$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix" "$bench/bin/nphost.exe" "$bench/bin/npKeyBridge.dll" "$@"
