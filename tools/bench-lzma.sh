#!/usr/bin/env bash
# Benchmark: lzma.exe (under Wine, on this machine's bench build) against xz -d on the same
# multi-megabyte LZMA-alone stream; prints both times and their ratio.
#   tools/bench-lzma.sh [MEGABYTES]
source "$(dirname "$0")/common.sh"
"$KIT_SRC/tools/bootstrap.sh"
arch=$(kit_test_arch)
bench=$KIT_BUILD/bench-$arch
[ "$arch" = i686 ] && bench=$KIT_SHIP
kit_configure_build "$bench" "$arch" "$([ "$arch" = i686 ] && echo win32 || echo posix)" -DKIT_TESTS=OFF >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mb=${1:-24}
python3 -c "
import random
r = random.Random(1)
words = [bytes(r.choice(b'abcdefghijklmnopqrstuvwxyz') for _ in range(r.randint(2, 9))) for _ in range(3000)]
out = bytearray()
while len(out) < $mb << 20:
    out += b' '.join(r.choice(words) for _ in range(12)) + b'\r\n'
    if r.random() < 0.05: out += bytes(r.getrandbits(8) for _ in range(64))
open('data', 'wb').write(out)"
xz --format=lzma -6 -c data >data.lzma
"$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix" --start
now() { date +%s.%N; }
t0=$(now); xz -d --format=lzma -c data.lzma >xz.out; t1=$(now)
"$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix" "$bench/bin/lzma.exe" d data.lzma ours.out; t2=$(now)
cmp -s data ours.out && cmp -s data xz.out || { echo "outputs differ"; exit 1; }
python3 -c "
xz, ours = $t1 - $t0, $t2 - $t1
print(f'input {$(stat -c %s data.lzma)/1e6:.1f} MB -> {$(stat -c %s data)/1e6:.1f} MB')
print(f'xz -d     {xz:.3f} s')
print(f'lzma.exe  {ours:.3f} s (under Wine, start-up included)')
print(f'ratio lzma.exe / xz = {ours / xz:.2f}')"
