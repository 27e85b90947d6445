#!/usr/bin/env python3
"""Window dumps of `xwd` (ZPixmap, 24 or 32 bits a pixel) for the Windows smoke test.

    xwd.py png DUMP PNG                  writes the dump as a PNG picture
    xwd.py changed DUMP1 DUMP2 X Y W H   prints how many pixels of the rectangle differ
"""
import struct
import sys
import zlib


def read(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, colours = fields[11], fields[12], fields[19]
    byte_order = fields[7]
    if bits_per_pixel not in (24, 32):
        sys.exit(f"{path}: {bits_per_pixel} bits a pixel, not 24 or 32")
    start = header_size + colours * 12
    step = bits_per_pixel // 8
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        row = bytearray()
        for x in range(0, len(line), step):
            pixel = line[x:x + step]
            # Least significant byte first (the usual): B, G, R.
            b, g, r = (pixel[0], pixel[1], pixel[2]) if byte_order == 0 else (pixel[-1], pixel[-2], pixel[-3])
            row += bytes((r, g, b))
        rows.append(bytes(row))
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def changed(first, second, x, y, w, h):
    _, _, a = read(first)
    _, _, b = read(second)
    count = 0
    for row in range(y, y + h):
        for column in range(x, x + w):
            count += a[row][column * 3:column * 3 + 3] != b[row][column * 3:column * 3 + 3]
    return count


if __name__ == "__main__":
    if sys.argv[1] == "png":
        write_png(sys.argv[3], *read(sys.argv[2]))
    elif sys.argv[1] == "changed":
        print(changed(sys.argv[2], sys.argv[3], *map(int, sys.argv[4:8])))
    else:
        sys.exit(__doc__)
