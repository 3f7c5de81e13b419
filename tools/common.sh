# Shared by the README's two commands: where the trees are and how each is configured and built.
set -euo pipefail
KIT_SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KIT_BUILD=${KIT_BUILD:-$KIT_SRC/build}
KIT_SHIP=$KIT_BUILD/ship
KIT_TEST=$KIT_BUILD/test

# The test bench runs the 32-bit build when this machine executes 32-bit x86 code; a machine
# whose CPU mode lacks it (no compat mode) runs the same sources built for x86_64 under Wine64.
kit_test_arch() {
  if /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

kit_configure_build() { # DIR ARCH THREAD_MODEL [CMAKE ARGS...]
  local dir=$1 arch=$2 model=$3
  shift 3
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$KIT_SRC" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$KIT_SRC/cmake/mingw.cmake" \
      -DKIT_ARCH="$arch" -DKIT_THREAD_MODEL="$model" \
      -DKIT_WINEPREFIX="$KIT_BUILD/wine-$arch/prefix" "$@"
  fi
  cmake --build "$dir" -j2
}

kit_build_ship() {
  "$KIT_SRC/tools/bootstrap.sh"
  kit_configure_build "$KIT_SHIP" i686 win32 -DKIT_TESTS=OFF
}
