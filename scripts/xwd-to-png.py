#!/usr/bin/env python3
"""Turns an X window dump (xwd, 24 or 32 bits a pixel) into a PNG and fails
when the picture is blank: fewer than MIN_COLOURS colours, or one colour
covering nearly all of it, as a screen that shows no window does.

Usage: xwd-to-png.py DUMP.xwd OUT.png [MIN_COLOURS]"""
import collections
import struct
import sys
import zlib


def read_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format = fields[0], fields[1], fields[2]
    width, height, byte_order = fields[4], fields[5], fields[7]
    bits_per_pixel, bytes_per_line, ncolors = fields[11], fields[12], fields[19]
    masks = fields[14:17]
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (8, 24, 32):
        sys.exit(f"xwd-to-png: unsupported dump (version {version}, format "
                 f"{pixmap_format}, {bits_per_pixel} bits a pixel)")
    # An 8-bit screen names each pixel's colour in the dump's colour map.
    palette = {}
    for n in range(ncolors):
        pixel, red, green, blue = struct.unpack(">IHHH", data[header_size + 12 * n:][:10])
        palette[pixel] = bytes((red >> 8, green >> 8, blue >> 8))
    pixels = data[header_size + 12 * ncolors:]
    step = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"
    shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
    rows = []
    for y in range(height):
        line = pixels[y * bytes_per_line:y * bytes_per_line + width * step]
        row = bytearray()
        for x in range(0, len(line), step):
            value = int.from_bytes(line[x:x + step], order)
            if step == 1:
                row += palette.get(value, bytes(3))
            else:
                row += bytes((value & m) >> s for m, s in zip(masks, shifts))
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))
    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    dump, png = sys.argv[1], sys.argv[2]
    min_colours = int(sys.argv[3]) if len(sys.argv) > 3 else 16
    with open(dump, "rb") as f:
        width, height, rows = read_xwd(f.read())
    counts = collections.Counter(row[x:x + 3] for row in rows for x in range(0, len(row), 3))
    commonest = counts.most_common(1)[0][1] / (width * height)
    write_png(png, width, height, rows)
    print(f"{png}: {width}x{height}, {len(counts)} colours, "
          f"the commonest on {commonest:.0%} of it")
    if len(counts) < min_colours or commonest > 0.98:
        sys.exit("xwd-to-png: the screen is blank")


if __name__ == "__main__":
    main()
