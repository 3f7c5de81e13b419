#!/usr/bin/env bash
# Benchmarks of the package's two tools (under Wine, on this machine's bench build) against their
# peers on the same multi-megabyte input: lzma.exe against xz -d, CabArc.Exe against cabextract.
# Prints the times and their ratios.
#   tools/bench.sh [MEGABYTES]
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
mkdir files && split -b 3M data files/part && (cd files && gcab -c -z ../data.cab part*)
mkdir peer ours
t3=$(now); cabextract -q -d peer data.cab; t4=$(now)
(cd ours && "$KIT_SRC/tools/wine-run.sh" "$arch" "$KIT_BUILD/wine-$arch/prefix" "$bench/bin/CabArc.Exe" -o X ../data.cab); t5=$(now)
diff -r peer ours >/dev/null && diff -r files ours >/dev/null || { echo "extracted files differ"; exit 1; }
python3 -c "
xz, ours, cabx, cab = $t1 - $t0, $t2 - $t1, $t4 - $t3, $t5 - $t4
print(f'LZMA: {$(stat -c %s data.lzma)/1e6:.1f} MB -> {$(stat -c %s data)/1e6:.1f} MB')
print(f'  xz -d       {xz:.3f} s')
print(f'  lzma.exe    {ours:.3f} s (under Wine, start-up included)')
print(f'  ratio lzma.exe / xz = {ours / xz:.2f}')
print(f'cabinet (MSZIP): {$(stat -c %s data.cab)/1e6:.1f} MB -> {$(stat -c %s data)/1e6:.1f} MB in {len(__import__(\"os\").listdir(\"files\"))} files')
print(f'  cabextract  {cabx:.3f} s')
print(f'  CabArc.Exe  {cab:.3f} s (under Wine, start-up included)')
print(f'  ratio CabArc.Exe / cabextract = {cab / cabx:.2f}')"
