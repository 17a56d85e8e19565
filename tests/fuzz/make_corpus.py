#!/usr/bin/env python3
"""Writes the seed corpus: small sound project files and damaged ones (each kind once).

The fuzz_* files beside them are inputs the fuzzer found (merged, kept under 700 bytes)."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus")
os.makedirs(out, exist_ok=True)
MAGIC = struct.pack("<d", 424.424)


def s(text):
    b = text.encode("cp1251")
    return struct.pack("<I", len(b)) + b


def project(counts, judge=lambda r, c: 1, magic=MAGIC, names=None):
    levels = len(counts) + 1
    data = magic + struct.pack("<I", levels) + b"".join(struct.pack("<I", c) for c in counts)
    all_counts = [1] + counts

    def matrix(n):
        return b"".join(struct.pack("<i", judge(r, c)) for r in range(n) for c in range(n))

    for k, count in enumerate(all_counts):
        for i in range(count):
            name = "ЦЕЛЬ" if k == 0 else (names or "ЭЛЕМЕНТ_%d" % i)
            data += s(name) + s("" if (i + k) % 2 else "Комментарий")
            if k + 1 < levels:
                data += matrix(all_counts[k + 1])
    return data


def recip(r, c):
    if r == c:
        return 1
    v = 2 + (r + c) % 8
    return v if r < c else -v


files = {
    "sound_3x2.tsy": project([2, 2]),
    "sound_4_levels.tsy": project([3, 4, 2], recip),
    "sound_intransitive.tsy": project([3, 3], lambda r, c: 1 if r == c else 3),
    "sound_zero_cells.tsy": project([2, 3], lambda r, c: 0),
    "sound_extreme_cells.tsy": project([3, 2], lambda r, c: -2147483648 if r != c else 2147483647),
    "sound_bad_magic.tsy": project([2, 2], magic=b"ABCDEFGH"),
    "sound_trailing.tsy": project([2, 2]) + b"trailing bytes",
    "sound_latin.htp": project([2, 2, 2], names="Alpha"),
    "sound_2_levels.tsy": project([3], recip),
    "damaged_empty.tsy": b"",
    "damaged_magic_only.tsy": MAGIC,
    "damaged_levels_0.tsy": MAGIC + struct.pack("<I", 0) + project([2, 2])[12:],
    "damaged_levels_1.tsy": MAGIC + struct.pack("<I", 1) + s("ЦЕЛЬ") + s(""),
    "damaged_truncated_2_levels.tsy": MAGIC + struct.pack("<I", 2) + struct.pack("<I", 2),
    "damaged_levels_11.tsy": MAGIC + struct.pack("<I", 11) + struct.pack("<I", 2) * 10,
    "damaged_levels_huge.tsy": MAGIC + struct.pack("<I", 0xFFFFFFFF),
    "damaged_count_1.tsy": project([1, 2]),
    "damaged_count_10.tsy": MAGIC + struct.pack("<III", 3, 10, 2),
    "damaged_count_huge.tsy": MAGIC + struct.pack("<III", 3, 0x80000000, 2),
    "damaged_string_257.tsy": MAGIC + struct.pack("<III", 3, 2, 2) + struct.pack("<I", 257) + b"x" * 257,
    "damaged_string_huge.tsy": MAGIC + struct.pack("<III", 3, 2, 2) + struct.pack("<I", 0xFFFFFFF0),
    "damaged_truncated_matrix.tsy": project([2, 2])[:50],
    "damaged_truncated_last.tsy": project([2, 2])[:-1],
}
for name, data in files.items():
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)
print(len(files), "files in", out)
