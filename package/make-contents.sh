#!/usr/bin/env bash
# Makes the package's data entries in OUTDIR from the built control files: qorvan2.cab (gcab,
# MSZIP) and the three LZMA-alone streams (xz) of zip archives of sample component files.
# Every timestamp inside is fixed, so two runs give the same bytes.
#   make-contents.sh OUTDIR qorvan2.ocx qorvan2.inf Dovek14.dll
set -euo pipefail
out=$1
mkdir -p "$out"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$2" "$3" "$4" "$stage/"
touch -d '2024-01-01 08:00:00 UTC' "$stage"/*
(cd "$stage" && TZ=UTC gcab -c -z "$stage/qorvan2.cab" qorvan2.ocx qorvan2.inf Dovek14.dll)
cp "$stage/qorvan2.cab" "$out/qorvan2.cab"

python3 "$(dirname "$0")/make-components.py" "$stage"
for name in Tiravo Marn1 Pirvona; do
  xz --format=lzma -6 -c "$stage/$name.zip" >"$out/$name.bin"
done
