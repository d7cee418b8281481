#!/usr/bin/env python3
"""Writes the small hand-made seeds of corpus/. The sample cartridge and what is cut from it
are added by scripts/fuzz at run time; these are the odd shapes a cartridge never has.
Run from anywhere: python3 tests/fuzz/make_seeds.py"""
import os
import struct
import zlib

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    os.makedirs(os.path.join(here, target), exist_ok=True)
    with open(os.path.join(here, target, name), "wb") as f:
        f.write(data)


# --- stored block maps (the decoder starts at byte 0) ---
put("decompress_map", "fill-every-row.bin", bytes([0x85, 0x00]) * 48)
put("decompress_map", "literals-then-end.bin", bytes(range(0x80)) * 3)
put("decompress_map", "long-runs-cross-rows.bin", bytes([0xFF, 0xFF, 0x81, 0x10, 0x7F]) * 300)

# --- images with only the version byte (the tables move with it) ---
for version, target in ((1, "load_map"), (2, "title_load"), (1, "map_space")):
    image = bytearray(0x14D)
    image[0x14C] = version
    put(target, "version-%d.bin" % version, bytes(image))


# --- pictures ---
def bmp(width, height, bpp, colours=None, compression=0):
    palette = b""
    if bpp <= 8:
        count = colours or (1 << bpp)
        palette = b"".join(struct.pack("<BBBB", i * 255 // max(count - 1, 1), 0x55, 0xAA, 0)
                           for i in range(count))
    stride = (width * bpp + 31) // 32 * 4
    pixels = bytearray()
    for y in range(abs(height)):
        row = bytearray(stride)
        for i in range(stride):
            row[i] = (y * 37 + i * 11) & 0xFF
        pixels += row
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, len(pixels),
                       2835, 2835, colours or 0, 0)
    return header + info + palette + bytes(pixels)


for bpp in (1, 4, 8, 24, 32):
    put("bitmap_import", "%d-bit.bmp" % bpp, bmp(16, 8, bpp, 16 if bpp == 8 else None))
put("bitmap_import", "truncated.bmp", bmp(16, 16, 24)[:200])
put("bitmap_import", "top-down.bmp", bmp(8, -8, 24))
huge = bytearray(bmp(2, 2, 24))
struct.pack_into("<ii", huge, 18, 30000, 30000)
put("bitmap_import", "claims-30000-square.bmp", bytes(huge))


def png(width, height):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + bytes((x * 85) & 0xFF for x in range(width * 3)) for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


put("bitmap_import", "small.png", png(4, 4))
put("bitmap_import", "not-a-picture.txt", b"Tree Zone 1\n")


# --- patches for a source of 4096 bytes (byte i is i * 31 + i // 256); the first byte picks
# the magic the target puts in front: 0 "BPS1", 1 "PATCH", 2 none ---
def bps_number(value):
    out = bytearray()
    while True:
        x = value & 0x7F
        value >>= 7
        if value == 0:
            out.append(0x80 | x)
            return bytes(out)
        out.append(x)
        value -= 1


source = bytes((i * 31 + (i >> 8)) & 0xFF for i in range(4096))
target = source[:100] + b"level" + source[105:] + b"\x00" * 50
actions = (bps_number(99 << 2 | 0) + bps_number(4 << 2 | 1) + b"level"
           + bps_number((4096 - 106) << 2 | 0) + bps_number(0 << 2 | 1) + b"\x00"
           + bps_number(48 << 2 | 3) + bps_number(2 * 4096))
body = b"BPS1" + bps_number(4096) + bps_number(len(target)) + bps_number(0) + actions
body += struct.pack("<II", zlib.crc32(source), zlib.crc32(target))
body += struct.pack("<I", zlib.crc32(body))
put("apply_patch", "small-edit.bps", b"\x00" + body[4:])
ips = (b"PATCH" + b"\x00\x00\x64\x00\x05level" + b"\x00\x10\x00\x00\x00\x00\x32\x00" + b"EOF")
put("apply_patch", "edit-and-run.ips", b"\x01" + ips[5:])
put("apply_patch", "truncate.ips", b"\x01" + b"EOF\x00\x08\x00")


# --- object lists: level 0's list holds an entry with 0xFF in its last two bytes, level 1 shares
# it, level 2's pointer lies outside bank 3 and level 3's list runs to the bank's end ---
image = bytearray(0xE200)  # past the end reads as zeros, so level 3 still runs to the bank end
for level, address in ((0, 0x6100), (1, 0x6100), (2, 0x8000), (3, 0x6180)):
    image[0xE037 + 2 * level:0xE039 + 2 * level] = struct.pack("<H", address)
image[0xE100:0xE107] = bytes([0x73, 0xB1, 0xC9, 0x01, 0xFF, 0xFF, 0xFF])
put("object_lists", "table-and-lists.bin", bytes(image))


# --- screens: levels 0-2 in bank 1 (its base words at 0x4000 and 0x4002); level 0's exit runs
# script 1, whose 0xFF is an argument before its end, level 1's runs script 2, whose word lies
# outside bank 5; level 3 names bank 0x20, past the image, where the bases read as zeros ---
image = bytearray(0x14140)
image[0x4000:0x4004] = struct.pack("<HH", 0x4010, 0x4400)
for level in range(4):
    image[0x55CB + 2 * level:0x55CD + 2 * level] = struct.pack("<H", 0x5700 + 20 * level)
    header = 0x5700 + 20 * level
    image[header + 4:header + 8] = struct.pack("<HH", 300 + 50 * level, 400 + 200 * level)
    image[header + 13] = 0x20 if level == 3 else 1
    image[header + 18] = 0x10 | level
    image[0x4010 + 48 * level:0x4040 + 48 * level] = bytes([0x0F, 0x03, 0x1C, 0xF0] * 12)
image[0x4400 + 47] = 1
image[0x4400 + 48] = 2
image[0x14125 + 2:0x14125 + 6] = struct.pack("<HH", 0x4130, 0x8000)
image[0x14130:0x14137] = bytes([0x30, 0x48, 0xFF, 0x40, 0x17, 0x5A, 0xFF])
put("screens", "bank-1-arrays-and-scripts.bin", bytes(image))


# --- Tiled maps: the encodings and compressions a user's file may have, and a map property,
# an object and a flipped tile for the reader to weigh ---
import base64
import gzip
import json

cells = [(x + y) % 0x80 for y in range(48) for x in range(256)]
ids = [c + 1 for c in cells]
raw = b"".join(struct.pack("<I", i) for i in ids)


def tiled_json(layer, extra=None):
    doc = {"type": "map", "orientation": "orthogonal", "renderorder": "right-down",
           "width": 256, "height": 48, "tilewidth": 16, "tileheight": 16, "infinite": False,
           "tilesets": [{"firstgid": 1, "source": "blocks.tsx"}],
           "properties": [{"name": "level name", "type": "string", "value": "Seed"},
                          {"name": "level number", "type": "int", "value": 7}],
           "layers": [dict({"type": "tilelayer", "name": "map", "width": 256, "height": 48},
                           **layer)]}
    if extra:
        doc["layers"].append(extra)
    return json.dumps(doc).encode()


objects = {"type": "objectgroup", "name": "objects", "objects": [
    {"id": 1, "x": 64, "y": 96, "width": 16, "height": 16,
     "properties": [{"name": "type", "type": "int", "value": 5},
                    {"name": "hiddenInEasyMode", "type": "bool", "value": True}]}]}
put("tiled_map", "json-array.json", tiled_json({"data": ids}, objects))
put("tiled_map", "json-base64-zlib.json",
    tiled_json({"encoding": "base64", "compression": "zlib",
                "data": base64.b64encode(zlib.compress(raw)).decode()}))
flipped = ids[:]
flipped[5] |= 0x80000000
put("tiled_map", "json-flipped.json", tiled_json({"data": flipped}))
gz = base64.b64encode(gzip.compress(raw, mtime=0)).decode()
put("tiled_map", "tmx-base64-gzip.tmx", (
    '<?xml version="1.0" encoding="UTF-8"?>\n'
    '<map version="1.10" orientation="orthogonal" renderorder="right-down" width="256" '
    'height="48" tilewidth="16" tileheight="16" infinite="0">\n'
    ' <tileset firstgid="1" source="blocks.tsx"/>\n'
    ' <layer id="1" name="map" width="256" height="48">\n'
    '  <data encoding="base64" compression="gzip">' + gz + '</data>\n'
    ' </layer>\n</map>\n').encode())
