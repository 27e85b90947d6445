#!/usr/bin/env bash
# Renders the hand-drawn SVG sources in src/ to the PNG pictures and icons kept next to this script.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here/src"
out="$here"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found: install it with 'apt-get install -y librsvg2-bin'" >&2
    exit 1
fi
if ! command -v python3 >/dev/null 2>&1; then
    echo "python3 not found: it is needed to flatten the pictures to RGB ('apt-get install -y python3')" >&2
    exit 1
fi

# Rewrites a PNG in place as 8-bit RGB without alpha, compositing onto white.
# Uses only the Python standard library so no image tools beyond rsvg-convert are required.
flatten_rgb() {
    python3 - "$1" <<'PY'
import struct, sys, zlib

path = sys.argv[1]
data = open(path, 'rb').read()
assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
pos, idat, hdr = 8, b'', None
while pos < len(data):
    length, ctype = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if ctype == b'IHDR':
        hdr = struct.unpack('>IIBBBBB', body)
    elif ctype == b'IDAT':
        idat += body
    pos += 12 + length
width, height, depth, colour, _, _, interlace = hdr
assert depth == 8 and interlace == 0 and colour in (2, 6), 'unexpected PNG layout'
bpp = 4 if colour == 6 else 3
raw = zlib.decompress(idat)
stride = width * bpp
rows, prev, i = [], bytearray(stride), 0
for _ in range(height):
    ftype = raw[i]
    line = bytearray(raw[i + 1:i + 1 + stride])
    i += 1 + stride
    for x in range(stride):
        a = line[x - bpp] if x >= bpp else 0
        b = prev[x]
        c = prev[x - bpp] if x >= bpp else 0
        if ftype == 1:
            line[x] = (line[x] + a) & 255
        elif ftype == 2:
            line[x] = (line[x] + b) & 255
        elif ftype == 3:
            line[x] = (line[x] + ((a + b) >> 1)) & 255
        elif ftype == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if (pa <= pb and pa <= pc) else (b if pb <= pc else c)
            line[x] = (line[x] + pred) & 255
    rows.append(line)
    prev = line
out = bytearray()
for line in rows:
    out.append(0)
    if bpp == 3:
        out += line
    else:
        for x in range(width):
            r, g, b, al = line[4 * x:4 * x + 4]
            # rsvg-convert writes straight (non-premultiplied) alpha
            out += bytes((
                (r * al + 255 * (255 - al) + 127) // 255,
                (g * al + 255 * (255 - al) + 127) // 255,
                (b * al + 255 * (255 - al) + 127) // 255,
            ))

def chunk(ctype, body):
    return struct.pack('>I', len(body)) + ctype + body + struct.pack('>I', zlib.crc32(ctype + body) & 0xffffffff)

png = (b'\x89PNG\r\n\x1a\n'
       + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
       + chunk(b'IDAT', zlib.compress(bytes(out), 9))
       + chunk(b'IEND', b''))
open(path, 'wb').write(png)
PY
}

# render NAME WIDTH HEIGHT OUTFILE [extra rsvg-convert options]
render() {
    local name="$1" w="$2" h="$3" file="$4"
    shift 4
    rsvg-convert "$@" --width="$w" --height="$h" --output="$out/$file" "$src/$name.svg"
    echo "  $file (${w}x${h})"
}

echo "Pictures (RGB, 1x and 2x):"
while read -r name w h; do
    render "$name" "$w" "$h" "$name.png" --background-color=white
    render "$name" $((w * 2)) $((h * 2)) "$name@2x.png" --background-color=white
    flatten_rgb "$out/$name.png"
    flatten_rgb "$out/$name@2x.png"
done <<'LIST'
fiftyfifty 147 105
friend 152 193
audience 195 95
town 276 222
LIST

echo "Icons (RGBA):"
render icon32 32 32 icon32.png
render icon32 64 64 icon32@2x.png
render icon32 48 48 icon48.png
render icon32 256 256 icon256.png
render icon16 16 16 icon16.png
render icon16 32 32 icon16@2x.png

echo "Done."
