#!/usr/bin/env bash
# Soak of the plug-in in the browser stand-in: many instances and method calls over the substitute
# token module, then the leak count and the working set at start, middle and end.
#   tools/soak.sh [INSTANCES [CALLS]]
source "$(dirname "$0")/common.sh"
"$KIT_SRC/tools/bootstrap.sh"
arch=$(kit_test_arch)
bench=$KIT_BUILD/bench-$arch
[ "$arch" = i686 ] && bench=$KIT_SHIP
kit_configure_build "$bench" "$arch" "$([ "$arch" = i686 ] && echo win32 || echo posix)" -DKIT_TESTS=OFF
cd "$bench/bin/token-module/full"
"$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix" "$bench/bin/nphost.exe" "$bench/bin/npKeyBridge.dll" \
  "soak ${1:-500} ${2:-100000}"
