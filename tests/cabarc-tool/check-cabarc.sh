#!/usr/bin/env bash
# CabArc.Exe against cabextract on cabinets gcab makes: the same files with the same times;
# damaged, truncated and unsupported cabinets end with exit code 1 and a message, and nothing is
# ever written outside the destination folder.
#   check-cabarc.sh MUTATIONS RUNNER... CABARC_EXE
set -u
source "$(dirname "$0")/../support/peer-check.sh"

mkdir src
python3 - <<'PY'
import random
r = random.Random(3)
open("src/big.bin", "wb").write(bytes(r.getrandbits(8) for _ in range(100000)))
open("src/text.txt", "wb").write(b"".join(b"row %d\r\n" % i for i in range(30000)))
open("src/empty.dat", "wb").close()
open("src/small.txt", "wb").write(b"hi\n")
open("src/d\xc3\xa9j\xc3\xa0.txt", "wb").write(b"utf-8 name\n")
PY
touch -d '2009-07-04 12:34:56' src/text.txt
chmod a-w src/small.txt

extract() { # CABINET DIR [ARGS...]: ours into DIR, from DIR as the current folder
  local cab=$1 dir=$2
  shift 2
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && "${run[@]}" -o X "$cab" "$@" >/dev/null 2>"$work/err")
}

for files in "small.txt" "big.bin" "big.bin text.txt empty.dat small.txt déjà.txt"; do
  for z in "" "-z"; do
    rm -f t.cab
    (cd src && gcab -c $z ../t.cab $files) || { fail "gcab $z $files"; continue; }
    rm -rf peer && mkdir peer && cabextract -q -d peer t.cab >/dev/null || fail "cabextract $files"
    extract "$work/t.cab" ours || fail "ours: $files $z ($(cat err))"
    diff -r peer ours >/dev/null || fail "different files: $files $z"
    for f in $files; do
      [ "$(stat -c %Y "peer/$f")" = "$(stat -c %Y "ours/$f")" ] || fail "time of $f ($z)"
    done
  done
done

# Overwriting, a destination folder, and a read-only file already there.
(cd src && gcab -c -z ../all.cab big.bin text.txt small.txt)
extract "$work/all.cab" ours && extract "$work/all.cab" ours || true
mkdir -p again && echo old >again/small.txt && chmod a-w again/small.txt
(cd again && "${run[@]}" -o X ../all.cab . >/dev/null 2>&1) || fail "overwriting a read-only file"
cmp -s src/small.txt again/small.txt || fail "read-only file not overwritten"
rm -rf dest && (mkdir cwd && cd cwd && "${run[@]}" -o X ../all.cab 'sub\out' >/dev/null 2>&1) || fail "destination argument"
cmp -s src/text.txt 'cwd/sub/out/text.txt' 2>/dev/null || [ -f cwd/sub/out/text.txt ] || fail "destination folder not used"

expect_refused() { # NAME CABINET
  mkdir -p box
  extract "$2" box/in
  rc=$?
  [ $rc -eq 1 ] || fail "$1: exit code $rc"
  [ -s err ] || fail "$1: no message"
  [ -z "$(ls box | grep -v '^in$')" ] || fail "$1: wrote outside the destination"
  rm -rf box
}

# Names that would leave the folder: patch a stored name of the same length.
(cd src && gcab -c ../n.cab small.txt)
for bad in '..\\mall.txt' 'C:mall.txt\0' '\\small.txt' '../mall.txt' 'sub\\..\\..\\x'; do
  python3 - "$bad" <<'PY'
import sys
bad = sys.argv[1].encode().decode('unicode_escape').encode('latin-1')
d = open('n.cab', 'rb').read()
name = b'small.txt'
bad = (bad + b'x' * len(name))[:len(name)] if len(bad) < len(name) else bad[:len(name)]
open('bad.cab', 'wb').write(d.replace(name + b'\0', bad + b'\0', 1))
PY
  expect_refused "name $bad" "$work/bad.cab"
done

# Kinds this tool does not unpack, and damaged cabinets.
python3 -c "
import struct
d=bytearray(open('all.cab','rb').read())
for kind, name in ((2,'q.cab'),(3,'l.cab')):
    e=bytearray(d); struct.pack_into('<H', e, 36+6, kind); open(name,'wb').write(e)
e=bytearray(d); struct.pack_into('<H', e, 30, 2); open('set.cab','wb').write(e)
e=bytearray(d); e[0]=ord('X'); open('nomagic.cab','wb').write(e)
off=struct.unpack_from('<I',d,36)[0]; e=bytearray(d); e[off+8+50]^=0x40; open('sum.cab','wb').write(e)
"
expect_refused "Quantum" "$work/q.cab"
expect_refused "LZX" "$work/l.cab"
expect_refused "cabinet set" "$work/set.cab"
expect_refused "no signature" "$work/nomagic.cab"
expect_refused "checksum" "$work/sum.cab"
size=$(stat -c %s all.cab)
for cut in 0 10 40 80 $((size / 2)) $((size - 1)); do
  head -c $cut all.cab >cut.cab
  expect_refused "cut at $cut" "$work/cut.cab"
done

for i in $(seq 1 "$mutations"); do
  python3 -c "
import random; r=random.Random($i); d=bytearray(open('all.cab','rb').read())
for _ in range(r.randint(1,3)):
    at=r.randrange(200) if r.random()<0.6 else r.randrange(len(d)); d[at]^=1<<r.randrange(8)
open('x.cab','wb').write(d)"
  mkdir -p box/in
  (cd box/in && timeout 60 "${run[@]}" -o X "$work/x.cab" >/dev/null 2>&1)
  rc=$?
  [ $rc -le 1 ] || fail "mutation $i: exit code $rc"
  [ -z "$(ls box | grep -v '^in$')" ] || fail "mutation $i: wrote outside the destination"
  rm -rf box
done

finish cabarc
