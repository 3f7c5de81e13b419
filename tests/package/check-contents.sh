#!/usr/bin/env bash
# The package's data entries: two runs give the same bytes, the cabinet holds the control's three
# files (cabextract), and each LZMA archive is a zip (xz, Python's zipfile) of plain top-level
# files, some stored and some deflated.
#   check-contents.sh MAKE_CONTENTS OCX INF DLL
set -euo pipefail
make=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make" "$work/a" "$@"
sleep 1
"$make" "$work/b" "$@"
for f in qorvan2.cab Tiravo.bin Marn1.bin Pirvona.bin; do
  cmp "$work/a/$f" "$work/b/$f"
done
cabextract -t "$work/a/qorvan2.cab" >/dev/null
[ "$(cabextract -l "$work/a/qorvan2.cab" | awk '/\|/ && !/Name/ {print $NF}' | sort | tr '\n' ' ')" = "Dovek14.dll qorvan2.inf qorvan2.ocx " ]
for name in Tiravo Marn1 Pirvona; do
  [ "$(head -c 1 "$work/a/$name.bin" | od -An -tx1 | tr -d ' ')" = 5d ]
  xz -d --format=lzma -c "$work/a/$name.bin" >"$work/$name.zip"
done
python3 - "$work" <<'PY'
import sys, zipfile
methods = set()
for name in ("Tiravo", "Marn1", "Pirvona"):
    with zipfile.ZipFile(f"{sys.argv[1]}/{name}.zip") as z:
        assert z.testzip() is None
        for info in z.infolist():
            assert "/" not in info.filename and not info.is_dir(), info.filename
            assert not info.flag_bits & 1, "encrypted"
            methods.add(info.compress_type)
assert methods == {0, 8}, methods
PY
echo "package contents are reproducible and well-formed"
