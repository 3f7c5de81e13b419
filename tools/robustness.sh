#!/usr/bin/env bash
# Robustness run of the package's two tools: the peer checks of the test suite with many more
# damaged inputs (default 2000 mutations each) on this machine's bench build.
#   tools/robustness.sh [MUTATIONS]
source "$(dirname "$0")/common.sh"
"$KIT_SRC/tools/bootstrap.sh"
arch=$(kit_test_arch)
bench=$KIT_BUILD/bench-$arch
[ "$arch" = i686 ] && bench=$KIT_SHIP
kit_configure_build "$bench" "$arch" "$([ "$arch" = i686 ] && echo win32 || echo posix)" -DKIT_TESTS=OFF >/dev/null
runner=("$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix")
"${runner[@]}" --start
status=0
"$KIT_SRC/tests/lzma-tool/check-lzma.sh" "${1:-2000}" "${runner[@]}" "$bench/bin/lzma.exe" || status=1
"$KIT_SRC/tests/cabarc-tool/check-cabarc.sh" "${1:-2000}" "${runner[@]}" "$bench/bin/CabArc.Exe" || status=1
exit $status
