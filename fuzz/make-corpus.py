#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

A seed of kelmora_fuzz_load is a list of patches: region byte (low seven
bits 0 header counts, 1 satellites, 2 channels, 3 favourite groups,
4 transponders, 5 providers, 6 file start; the top bit of the first picks
the HD model), 16-bit little-endian offset, length byte, bytes;
the region byte 0xFE ends them and an edit script follows (fuzzedits.cpp).
A seed of kelmora_fuzz_records is a byte choosing the model and counts, one
record of each kind and an edit script; one of kelmora_fuzz_namecodec is a
field width, an encoding width and the field."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
corpus = os.path.join(here, "corpus")


def patch(region, offset, data):
    return bytes([region]) + struct.pack("<HB", offset, len(data)) + data


def counts(satellites, channels, tv, transponders, providers):
    return patch(0, 0, struct.pack("<5H", satellites, channels, tv, transponders, providers))


def satellite(slot, name, position=192, diseqc=1, diseqc11=0):
    record = struct.pack("<HH", slot, position) + name.ljust(16, b"\0")[:16]
    record += struct.pack("<HHHBBBBBBH", 0, 9750, 10600, diseqc, 0, 0, 0, 0, 0, diseqc11) + b"\0\0"
    return patch(1, 36 * slot, record)


def transponder(slot, sat, pol=0, freq=11494):
    return patch(4, 16 * slot, struct.pack("<BBBBHHHHH", sat, 0, pol, 0, 1000, 1, 1, freq, 27500) + b"\0\0")


def provider(slot, name):
    return patch(5, 16 * slot, name.ljust(16, b"\0")[:16])


def channel(slot, name, provider_pos, transponder_pos, flags):
    # 2XX layout; on the HD model the same bytes land one field further on.
    record = struct.pack("<7H", 100 + slot, provider_pos, transponder_pos, 101, 201, 101, flags)
    return patch(2, 32 * slot, record + name.ljust(18, b"\0")[:18])


def group(slot, name, entries, tv=0):
    data = name.ljust(16, b"\0")[:16] + b"".join(struct.pack("<H", e) for e in entries)
    return patch(3, 820 * slot, data) + patch(3, 820 * slot + 816, struct.pack("<HH", tv, len(entries)))


seeds = {
    "empty": b"",
    "small": counts(2, 3, 2, 3, 2)
    + satellite(0, b"Astra") + satellite(1, b"Hotbird", 130, 2, 0x16)
    + transponder(0, 0) + transponder(1, 0, 1) + transponder(2, 1)
    + provider(0, b"ARD") + provider(1, b"ZDF")
    + channel(0, b"Das Erste", 0, 0, 0x01) + channel(1, b"ZDF", 1, 1, 0x21) + channel(2, b"Radio", 0, 2, 0xC3)
    + group(0, b"News", [0, 2], 1),
    # A leading 0xFF (HD) or 0x7F (2XX) keeps the counts uncapped (see fuzz_load.cpp).
    "counts-max": patch(0xFF, 0, b"") + counts(0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF),
    "dangling": counts(1, 2, 1, 2, 1)
    + transponder(0, 5) + transponder(1, 0xFF)
    + channel(0, b"A", 7, 0xFFFF, 0) + channel(1, b"B", 0, 9, 0)
    + group(0, b"G", [1, 1, 9, 0]) + patch(3, 818, struct.pack("<H", 0xFFFF)),
    "names": counts(3, 2, 1, 0, 3)
    + satellite(0, b"\x01\xbf\xe0\xd8\xd2\xd5\xe2\xe1\xe2\xd2\xd8\xd5")
    + satellite(1, b"\x10\x00\x05\xbf\xe0") + satellite(2, b"\x15\xd0\x96\xd0")
    + provider(0, b"\x03\xc5\xeb\xeb") + provider(1, b"\x14\xa4\x40") + provider(2, b"\x03\xc5\xeb\xeb")
    + channel(0, b"\x00Plain", 0, 0, 0) + channel(1, b"\x10\x00\x0c\xe9", 2, 0, 0)
    + group(1, b"\x15\xce\x95", [1, 0]),
    "same-providers": counts(0, 3, 3, 0, 3)
    + provider(0, b"P") + provider(1, b"Q") + provider(2, b"P")
    + channel(0, b"x", 2, 0, 0) + channel(1, b"y", 1, 0, 0) + channel(2, b"z", 0, 0, 0),
}


def text(chars, wide=False):
    """An edit script's text: a head byte (length, 0x80 for UTF-16), then the units."""
    if wide:
        return bytes([0x80 | len(chars)]) + b"".join(struct.pack("<H", ord(c)) for c in chars)
    return bytes([len(chars)]) + chars.encode("latin-1")


# Edit script operations (fuzzedits.cpp): 0 satellite, 1 provider, 2 channel,
# 3 favourite group rename; 4, 5, 6 satellite, transponder, channel edits;
# 7, 8 provider and transponder deletion.
renames = (b"\x00\x00" + text("\u0410\u0441\u0442\u0440\u0430 19.2\u00b0E", True)
           + b"\x01\x01" + text("Fran\u00e7ais") + b"\x02\x00" + text("\u05e2\u05e8\u05d5\u05e5", True)
           + b"\x03\x04" + text("\ud83d\udce1 Sport", True) + b"\x06\x00\x05\x02\x00")
seeds["renamed"] = seeds["small"] + bytes([0xFE]) + renames
seeds["counts-max-2xx"] = bytes([0x7F]) + seeds["counts-max"][1:]
for name in ("small", "renamed", "names"):
    seeds[name + "-hd"] = bytes([seeds[name][0] | 0x80]) + seeds[name][1:]


def record_seed(model_and_counts, sat_name, channel_name, edits):
    satellite_record = struct.pack("<HH", 0, 192) + sat_name.ljust(16, b"\0")[:16] + bytes(16)
    transponder_record = struct.pack("<BBBBHHHHH", 0, 0, 1, 0, 1000, 1, 1, 11494, 27500) + b"\0\0"
    provider_record = b"ARD".ljust(16, b"\0")
    channel_record = struct.pack("<7H", 100, 0, 0, 101, 201, 101, 0x21) + channel_name.ljust(18, b"\0")
    group_record = b"News".ljust(16, b"\0") + struct.pack("<H", 0)
    return (bytes([model_and_counts]) + satellite_record + transponder_record + provider_record
            + channel_record[:32] + group_record.ljust(64, b"\0") + edits)


record_seeds = {
    "2xx": record_seed(0x20, b"Astra", b"Das Erste", renames),
    "hd": record_seed(0x21, b"\x01\xbf\xe0", b"\x15\xd0\x96", renames),
    "dangling": record_seed(0x0C, b"Hotbird", b"x", b"\x08\x00\x07\x00"),
}

codec_seeds = {
    "plain": b"\x10\x10ABC",
    "cyrillic": b"\x10\x10\x01\xbf\xe0\xd8\xd2\xd5\xe2\xe1\xe2\xd2\xd8\xd5",
    "table-number": b"\x10\x12\x10\x00\x05\xbf\xe0",
    "utf8-cut": b"\x10\x05\x15\xd0\x96\xd0\x96\xf0\x9f\x93\xa1",
    "big5": b"\x12\x10\x14\xa4\x40\xa4\x41",
}

for target, target_seeds in (("load", seeds), ("records", record_seeds), ("namecodec", codec_seeds)):
    out = os.path.join(corpus, target)
    os.makedirs(out, exist_ok=True)
    for name, data in target_seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
