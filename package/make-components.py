"""Writes the three zip archives of sample component files (plain files at the top level, some
stored, some deflated) with fixed timestamps: make-components.py OUTDIR"""
import random
import sys
import zipfile

STORED, DEFLATED = zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED
STAMP = (2024, 1, 1, 8, 0, 0)


def text(title, lines):
    body = "".join(f"{title}: sample component line {i}\r\n" for i in range(lines))
    return body.encode("ascii")


def data(seed, size):
    r = random.Random(seed)
    return bytes(r.getrandbits(8) for _ in range(size))


ARCHIVES = {
    "Tiravo": [("tiravo.ini", text("Tiravo", 40), DEFLATED), ("tiravo.htm", text("Tiravo page", 3000), DEFLATED),
               ("tiravo.dat", data(1, 60000), STORED)],
    "Marn1": [("marn1.js", text("Marn1 script", 6000), DEFLATED), ("marn1.bmp", data(2, 90000), STORED),
              ("marn1.txt", text("Marn1", 10), STORED), ("empty.cfg", b"", STORED)],
    "Pirvona": [("pirvona.txt", text("Pirvona", 5), DEFLATED)],
}

for name, members in ARCHIVES.items():
    with zipfile.ZipFile(f"{sys.argv[1]}/{name}.zip", "w") as z:
        for member, content, method in members:
            info = zipfile.ZipInfo(member, STAMP)
            info.compress_type = method
            info.external_attr = 0o644 << 16
            info.create_system = 0
            z.writestr(info, content)
