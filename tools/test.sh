#!/usr/bin/env bash
# The README's test command: installs what is missing, builds the shipped binaries and the test
# tree, and runs every test under Wine.
source "$(dirname "$0")/common.sh"
kit_build_ship
arch=$(kit_test_arch)
echo "test bench: $arch"
kit_configure_build "$KIT_TEST" "$arch" posix -DKIT_TESTS=ON -DKIT_SHIP_DIR="$KIT_SHIP"
ctest --test-dir "$KIT_TEST" -j2 --output-on-failure --timeout 300
