#!/usr/bin/env python3
"""Draws the program's icon: a wall calendar page holding a landscape photo.

Writes hicolor/scalable/apps/lumidex-album.svg and the PNGs
hicolor/<n>x<n>/apps/lumidex-album.png beside this script. The shapes are
described once, in a 256-unit square; the SVG states them and the PNGs are
rasterised from the same description (4x4 samples per pixel), so the two
always agree. Needs only the Python standard library.

Usage: share/icons/make_icon.py
"""
import os
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
INK = (0x3D, 0x4A, 0x5C)

# (kind, geometry, colour, clipped to the photo)
# rrect: x0, y0, x1, y1, radius; circle: cx, cy, r; header: the page's top
# band, the inner page cut at y = 96.
PAGE = (28, 40, 228, 232, 16)
PHOTO = (58, 114, 198, 210, 4)
SHAPES = [
    ("rrect", (20, 32, 236, 240, 24), INK, False),
    ("rrect", PAGE, (0xFF, 0xFF, 0xFF), False),
    ("header", PAGE, (0xE0, 0x47, 0x5B), False),
    ("rrect", (68, 16, 88, 60, 10), INK, False),
    ("rrect", (168, 16, 188, 60, 10), INK, False),
    ("rrect", (52, 108, 204, 216, 8), (0xC5, 0xCE, 0xD9), False),
    ("rrect", PHOTO, (0x8F, 0xD0, 0xF5), False),
    ("circle", (166, 146, 16), (0xFF, 0xCF, 0x40), True),
    ("circle", (96, 262, 92), (0x5C, 0xB8, 0x5C), True),
    ("circle", (188, 258, 72), (0x3E, 0x8E, 0x41), True),
]


def in_rrect(x, y, g):
    x0, y0, x1, y1, r = g
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def inside(kind, g, x, y):
    if kind == "rrect":
        return in_rrect(x, y, g)
    if kind == "header":
        return y <= 96 and in_rrect(x, y, g)
    cx, cy, r = g
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def colour_at(x, y):
    """The colour (r, g, b, a) of the point (x, y) of the 256-unit square."""
    colour = None
    for kind, g, fill, clipped in SHAPES:
        if clipped and not in_rrect(x, y, PHOTO):
            continue
        if inside(kind, g, x, y):
            colour = fill
    return colour


def png(size):
    samples = 4
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * 256 / size
                    y = (py + (sy + 0.5) / samples) * 256 / size
                    c = colour_at(x, y)
                    if c:
                        r += c[0]; g += c[1]; b += c[2]; a += 1
            n = samples * samples
            # Colour unpremultiplied over the covered samples, alpha by coverage.
            row += bytes([r // a, g // a, b // a, 255 * a // n] if a else [0, 0, 0, 0])
        rows.append(bytes(row))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def hexcolour(c):
    return "#%02X%02X%02X" % c


def svg():
    x0, y0, x1, y1, r = PHOTO
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
           '  <defs>',
           '    <clipPath id="photo"><rect x="%d" y="%d" width="%d" height="%d" rx="%d"/></clipPath>'
           % (x0, y0, x1 - x0, y1 - y0, r),
           '    <clipPath id="header"><rect x="0" y="0" width="256" height="96"/></clipPath>',
           '  </defs>']
    for kind, g, fill, clipped in SHAPES:
        clip = ' clip-path="url(#photo)"' if clipped else ''
        if kind in ("rrect", "header"):
            gx0, gy0, gx1, gy1, gr = g
            if kind == "header":
                clip = ' clip-path="url(#header)"'
            out.append('  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"%s/>'
                       % (gx0, gy0, gx1 - gx0, gy1 - gy0, gr, hexcolour(fill), clip))
        else:
            cx, cy, cr = g
            out.append('  <circle cx="%d" cy="%d" r="%d" fill="%s"%s/>' % (cx, cy, cr, hexcolour(fill), clip))
    out.append('</svg>')
    return "\n".join(out) + "\n"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hicolor")
    write(os.path.join(here, "scalable", "apps", "lumidex-album.svg"), svg().encode())
    for size in SIZES:
        write(os.path.join(here, "%dx%d" % (size, size), "apps", "lumidex-album.png"), png(size))


if __name__ == "__main__":
    main()
