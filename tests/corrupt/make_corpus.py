#!/usr/bin/env python3
"""Writes the corpus of damaged files that every reader of the program is fed in the tests."""
import random
import struct

def words(*values):
    return b"".join(struct.pack("<i", v) for v in values)

rng = random.Random(1981)
corpus = {
    "empty.bin": b"",
    "one_byte.bin": b"\x01",
    "three_bytes.bin": b"\x0a\x00\x00",
    "all_ff_4k.bin": b"\xff" * 4096,
    "random_64k.bin": bytes(rng.getrandbits(8) for _ in range(65536)),
    "huge_count.bin": words(0x7FFFFFFF, 1, 2, 3),
    "negative_count.bin": words(-5, 1, 2),
    # An index whose offsets point at the index itself, the end of the file and far beyond it.
    "wild_index.bin": words(0, 0, 8, 4 * 7, 0x7FFFFFF0, -4, 3, 1244),
    # A record followed by a stroke block claiming 1 MiB.
    "record_then_huge_block.bin": words(0, 8) + bytes(1244) + words(1 << 20, 3, 2),
    # A record followed by strokes whose point counts overrun the block.
    "record_then_overrun.bin": words(0, 8) + bytes(1244) + words(20, 2, 1000, 0, 0),
}
for name, data in corpus.items():
    with open(name, "wb") as f:
        f.write(data)
