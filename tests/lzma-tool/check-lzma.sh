#!/usr/bin/env bash
# lzma.exe against xz: streams xz makes at several presets and settings decode to the original
# bytes, with the size unknown (end marker) or stated; truncated, damaged and absurd streams end
# with exit code 1, a message, and no output file.
#   check-lzma.sh MUTATIONS RUNNER... LZMA_EXE
set -u
source "$(dirname "$0")/../support/peer-check.sh"

decode() { rm -f out; "${run[@]}" d "$1" out >/dev/null 2>err; }

python3 - <<'PY'
import os, random
r = random.Random(7)
open("empty", "wb").close()
open("one", "wb").write(b"x")
open("text", "wb").write(b"".join(b"line %d of the kit's sample component\r\n" % i for i in range(40000)))
open("random", "wb").write(bytes(r.getrandbits(8) for _ in range(150000)))
open("mixed", "wb").write(open("text", "rb").read()[:200000] + open("random", "rb").read()[:50000] * 3)
PY

for f in empty one text random mixed; do
  for opts in -0 -6 -9e --lzma1=preset=6,lc=0,lp=2,pb=0 --lzma1=preset=6,lc=4,lp=0,pb=4 --lzma1=dict=4KiB; do
    xz --format=lzma $opts -c "$f" >s.lzma || { fail "xz $opts $f"; continue; }
    decode s.lzma && cmp -s "$f" out || fail "$f $opts (unknown size)"
    # The same stream with its size stated in the header.
    python3 -c "import struct,sys; d=bytearray(open('s.lzma','rb').read()); d[5:13]=struct.pack('<Q', len(open('$f','rb').read())); open('k.lzma','wb').write(d)"
    decode k.lzma && cmp -s "$f" out || fail "$f $opts (known size)"
  done
done

expect_refused() { # NAME FILE
  decode "$2"
  rc=$?
  [ $rc -eq 1 ] || fail "$1: exit code $rc"
  [ ! -e out ] || fail "$1: output left behind"
  [ -s err ] || fail "$1: no message"
}

xz --format=lzma -6 -c mixed >m.lzma
size=$(stat -c %s m.lzma)
for cut in 0 5 13 14 18 100 $((size / 2)) $((size - 1)); do
  head -c $cut m.lzma >t.lzma
  expect_refused "cut at $cut" t.lzma
done
python3 -c "d=bytearray(open('m.lzma','rb').read()); d[1:5]=b'\xff\xff\xff\xff'; open('a.lzma','wb').write(d)"
expect_refused "absurd dictionary" a.lzma
python3 -c "d=bytearray(open('m.lzma','rb').read()); d[0]=0xe1; open('p.lzma','wb').write(d)"
expect_refused "bad properties" p.lzma
python3 -c "import struct; d=bytearray(open('m.lzma','rb').read()); d[5:13]=struct.pack('<Q', 1<<40); open('b.lzma','wb').write(d)"
expect_refused "absurd stated size" b.lzma

# Bit flips and byte changes: any outcome but a crash or a hang; a refusal leaves no output.
xz --format=lzma -6 -c text | head -c 20000 >small.lzma
for i in $(seq 1 "$mutations"); do
  python3 -c "
import random; r=random.Random($i); d=bytearray(open('small.lzma','rb').read())
for _ in range(r.randint(1,4)):
    at=r.randrange(len(d)); d[at]^=1<<r.randrange(8) if r.random()<0.7 else r.randrange(256)
open('x.lzma','wb').write(d)"
  timeout 60 "${run[@]}" d x.lzma out >/dev/null 2>&1
  rc=$?
  case $rc in
    0) ;;
    1) [ ! -e out ] || fail "mutation $i: output left behind" ;;
    *) fail "mutation $i: exit code $rc" ;;
  esac
  rm -f out
done

finish lzma
