#!/usr/bin/env python3
"""Writes catalogs of realistic records for the benchmarks.

    make_catalogs.py FOLDER [COUNT ...]

Writes FOLDER/catalog-COUNT.dat for each COUNT (default 1000 100000 1000000): records
numbered from 0001, separated by CR LF, with no line break after the last one, as the
editor writes them. About a third of the records carry one or two mode pages. The same
counts always give the same bytes. A catalog already there with the right size is kept.
"""

import os
import random
import sys

VENDORS = {
    "SEAGATE": ["ST39102LW", "ST318203LC", "ST34573N", "ST19171W", "ST32155N", "ST336704LW"],
    "IBM": ["DDRS-34560", "DNES-309170", "DCAS-34330", "DGHS-318220", "DPSS-336950"],
    "QUANTUM": ["ATLAS II", "VIKING 4.5", "FIREBALL ST", "ATLAS IV 9", "XP34550W"],
    "FUJITSU": ["M2954SYU", "MAB3091SC", "MAE3182LC", "M2694ESA"],
    "HP": ["C3325A", "C1537A", "C5683A", "SURESTORE T4"],
    "EXABYTE": ["EXB-8505XL", "EXB-8700", "MAMMOTH"],
    "TANDBERG": ["TDC 4222", "SLR5 4/8GB", "SLR24"],
    "PLEXTOR": ["CD-R PX-R412C", "CD-ROM PX-32TS", "PX-W8220T"],
    "YAMAHA": ["CRW4416S", "CDR400t"],
    "SONY": ["SDT-9000", "CDU-76S", "AIT-1 SDX-300C"],
    "IOMEGA": ["ZIP 100", "JAZ 2GB"],
    "MICROP": ["3243-19", "4221-09"],
}
NOTES = [
    "Fixes read retry on long cables",
    "Corrects tagged queue hang under heavy load",
    "Improves seek time on full stroke",
    "Adds support for 2 GB tapes",
    "Required for RAID sets with mixed drive models",
    "Fixes spurious unit attention after bus reset",
    "Do not install on drives with a date code before 9612",
    "Corrects write cache flush on power loss",
    "Updates the defect list handling",
    "Fixes media error reporting on the last block",
    "Enables wide negotiation at Ultra2 speed",
    "Reduces spin-up current for enclosures with one supply",
    "Early release for evaluation only - back up first",
]
PAGE_CODES = ["01", "02", "07", "08", "0A", "1C", "03", "04"]


def version(rng):
    return "%04d" % rng.randint(1, 9999) if rng.random() < 0.6 else "%X%03d" % (rng.randint(10, 15), rng.randint(0, 999))


def page(rng):
    # 45 slots: the page code, then 44 byte values in hex or XX, "|" between them and
    # "," after the last.
    slots = [rng.choice(PAGE_CODES)]
    length = rng.randint(6, 22)
    for i in range(44):
        slots.append("%02X" % rng.randint(0, 255) if i < length else "XX")
    return "|".join(slots) + ","


def record(rng, number):
    vendor = rng.choice(list(VENDORS))
    product = rng.choice(VENDORS[vendor])
    low = version(rng)
    high = version(rng)
    new = version(rng)
    date = "%d/%d/%02d" % (rng.randint(1, 12), rng.randint(1, 28), rng.choice([96, 97, 98, 99, 0, 1, 2]))
    filename = "%s%s.%s" % (product.replace(" ", "").replace("-", "")[:5].upper(), new[-3:],
                            rng.choice(["BIN", "LOD", "FW", "HEX", "IMG"]))
    fields = ["%04d" % number, date, vendor, product, low, high, new,
              str(rng.randint(1, 7)), str(rng.randint(1, 8)), str(rng.randint(1, 3)), filename]
    if rng.random() < 1 / 3:
        pages = rng.choice([1, 1, 2])
        head = "%02d," % pages + "".join(page(rng) for _ in range(pages))
    else:
        head = "0,0,"
    notes = rng.choice(NOTES)
    if rng.random() < 0.05:
        notes += ". " + rng.choice(NOTES)
    return ",".join(fields) + "," + head + notes


def write_catalog(path, count):
    rng = random.Random(count)
    temporary = path + ".part"
    with open(temporary, "wb") as out:
        batch = []
        for number in range(1, count + 1):
            batch.append(record(rng, number))
            if len(batch) == 10000:
                out.write(("\r\n".join(batch)).encode("ascii"))
                batch = []
                if number < count:
                    out.write(b"\r\n")
        if batch:
            out.write(("\r\n".join(batch)).encode("ascii"))
    os.replace(temporary, path)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    counts = [int(c) for c in sys.argv[2:]] or [1000, 100000, 1000000]
    os.makedirs(folder, exist_ok=True)
    for count in counts:
        path = os.path.join(folder, "catalog-%d.dat" % count)
        size_file = path + ".size"
        if os.path.exists(path) and os.path.exists(size_file):
            with open(size_file) as f:
                if f.read().strip() == str(os.path.getsize(path)):
                    print("kept %s (%d bytes)" % (path, os.path.getsize(path)))
                    continue
        write_catalog(path, count)
        with open(size_file, "w") as f:
            f.write(str(os.path.getsize(path)))
        print("wrote %s (%d bytes)" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
