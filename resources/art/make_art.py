#!/usr/bin/python3
"""Writes Zemit's icons and its hand cursor.

    /usr/bin/python3 resources/art/make_art.py

produces, next to this script:
    zemit.ico        large icon: 16, 20, 24, 32, 40, 48, 64 and 256 pixels
    zemit_small.ico  small icon: 16, 20, 24, 32, 40 and 48 pixels
    hand.cur         pointing hand, 32x32 monochrome, hot spot (12, 1)

The icons show a blue metal atom bonded to red oxygen atoms.  They are drawn
from geometry with supersampling, so every size is rendered on its own pixel
grid instead of being scaled.  Windows asks for the small icon at 16 pixels
times the display scaling (20 at 125 %, 24 at 150 %, 32 at 200 %) and for the
large one at 32 pixels times it, Explorer also at 256; each group holds every
size up to 300 %.  The 256-pixel image is stored as PNG, as Windows
expects at that size.  The output depends only on this file; running
it twice gives identical bytes.  The build uses the committed files.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# --------------------------------------------------------------------------
# Colours (r, g, b) in 0..1
# --------------------------------------------------------------------------

METAL = (0.20, 0.47, 0.93)
OXYGEN = (0.93, 0.13, 0.10)
BOND = (0.72, 0.74, 0.78)
OUTLINE_DARKEN = 0.38  # outline colour = base * this

LIGHT = (-0.45, -0.60, 0.66)  # towards the viewer, from the upper left


def _normalise(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


LIGHT = _normalise(LIGHT)
HALF = _normalise((LIGHT[0], LIGHT[1], LIGHT[2] + 1.0))


def _mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


# --------------------------------------------------------------------------
# Shapes.  Coordinates are in pixels of the target size; y grows downwards.
# Each shape answers the colour at a point, or None outside it.
# --------------------------------------------------------------------------


class Sphere:
    def __init__(self, cx, cy, r, base, outline):
        self.cx, self.cy, self.r = cx, cy, r
        self.base = base
        self.outline = outline  # outline width in pixels

    def colour(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d = math.sqrt(dx * dx + dy * dy)
        if d > self.r:
            return None
        if d > self.r - self.outline:
            return tuple(c * OUTLINE_DARKEN for c in self.base)
        inner = self.r - self.outline
        nx, ny = dx / inner, dy / inner
        nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
        diffuse = max(0.0, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2])
        shine = max(0.0, nx * HALF[0] + ny * HALF[1] + nz * HALF[2]) ** 24
        col = tuple(min(1.0, c * (0.42 + 0.70 * diffuse)) for c in self.base)
        return _mix(col, (1.0, 1.0, 1.0), min(1.0, 0.85 * shine))


class Bond:
    """A rod between two points, lit across its width."""

    def __init__(self, x0, y0, x1, y1, r, outline):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = r
        self.outline = outline

    def colour(self, x, y):
        vx, vy = self.x1 - self.x0, self.y1 - self.y0
        length2 = vx * vx + vy * vy
        t = ((x - self.x0) * vx + (y - self.y0) * vy) / length2
        t = min(1.0, max(0.0, t))
        px, py = self.x0 + t * vx - x, self.y0 + t * vy - y
        d = math.sqrt(px * px + py * py)
        if d > self.r:
            return None
        if d > self.r - self.outline:
            return tuple(c * OUTLINE_DARKEN for c in BOND)
        # Signed distance across the rod decides the shading.
        length = math.sqrt(length2)
        across = ((x - self.x0) * -vy + (y - self.y0) * vx) / length
        s = across / max(1e-6, self.r - self.outline)
        shade = 0.55 + 0.45 * (1.0 - s * s) - 0.15 * s
        return tuple(min(1.0, c * shade) for c in BOND)


def render(size, shapes, grid=None):
    """Rasterises the shapes (first = bottom) into straight-alpha RGBA rows."""
    if grid is None:
        grid = 8 if size <= 64 else 4  # 16 samples a pixel are plenty at 256
    rows = []
    n = grid * grid
    for py in range(size):
        row = []
        for px in range(size):
            acc_r = acc_g = acc_b = 0.0
            hits = 0
            for sy in range(grid):
                y = py + (sy + 0.5) / grid
                for sx in range(grid):
                    x = px + (sx + 0.5) / grid
                    col = None
                    for shape in reversed(shapes):
                        col = shape.colour(x, y)
                        if col is not None:
                            break
                    if col is not None:
                        hits += 1
                        acc_r += col[0]
                        acc_g += col[1]
                        acc_b += col[2]
            if hits == 0:
                row.append((0, 0, 0, 0))
                continue
            alpha = hits / n
            row.append((
                _byte(acc_r / hits),
                _byte(acc_g / hits),
                _byte(acc_b / hits),
                _byte(alpha),
            ))
        rows.append(row)
    return rows


def _byte(v):
    return max(0, min(255, int(round(v * 255.0))))


# --------------------------------------------------------------------------
# The two motifs, in a 0..1 square scaled to the target size.
# --------------------------------------------------------------------------


def molecule(size, metal, oxygens, bond_width, line):
    """Bonds first, then the metal atom, then the oxygen atoms over them."""
    s = float(size)
    shapes = []
    for ox, oy, _ in oxygens:
        shapes.append(Bond(metal[0] * s, metal[1] * s, ox * s, oy * s, bond_width, line))
    shapes.append(Sphere(metal[0] * s, metal[1] * s, metal[2] * s, METAL, line))
    for ox, oy, r in oxygens:
        shapes.append(Sphere(ox * s, oy * s, r * s, OXYGEN, line))
    return shapes


def full_motif(size):
    """Metal atom with three oxygen atoms (large icon, 32 and 48)."""
    oxygens = [(0.81, 0.21, 0.16), (0.17, 0.18, 0.15), (0.83, 0.81, 0.155)]
    return molecule(size, (0.41, 0.59, 0.265), oxygens, 0.065 * float(size) + 0.5,
                    1.0 if size < 40 else 1.3 if size <= 48 else size / 36.0)


def simple_motif(size):
    """Metal atom with two oxygen atoms (small icon)."""
    oxygens = [(0.77, 0.245, 0.215), (0.80, 0.795, 0.185)]
    return molecule(size, (0.39, 0.61, 0.35), oxygens, 0.09 * float(size),
                    1.0 if size <= 32 else size / 32.0)


# --------------------------------------------------------------------------
# ICO writer: 32-bit BGRA DIBs with a matching 1-bit AND mask.
# --------------------------------------------------------------------------


def icon_image(rgba_rows):
    """One icon image: BITMAPINFOHEADER, XOR pixels, AND mask, bottom-up."""
    h = len(rgba_rows)
    w = len(rgba_rows[0])
    mask_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rgba_rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            if a == 0:
                # Fully transparent: mask bit set, colour black, so a viewer
                # that ignores alpha shows the background untouched.
                xor += b"\0\0\0\0"
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((b, g, r, a))
        mask += bits
    header = struct.pack(
        "<IiiHHIIiiII",
        40,  # biSize
        w,
        h * 2,  # XOR and AND bitmaps stacked
        1,  # planes
        32,  # bit count
        0,  # BI_RGB
        len(xor) + len(mask),
        0, 0, 0, 0,
    )
    return header + bytes(xor) + bytes(mask)


def png_image(rgba_rows):
    """One icon image as PNG: 8-bit RGBA, no filtering, fixed compression."""
    h = len(rgba_rows)
    w = len(rgba_rows[0])
    raw = bytearray()
    for row in rgba_rows:
        raw.append(0)  # filter: none
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def write_ico(path, images):
    """images: list of (size, rgba_rows); 256 pixels go in as PNG."""
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for size, rows in images:
        blob = png_image(rows) if size >= 256 else icon_image(rows)
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    _write(path, bytes(out))


# --------------------------------------------------------------------------
# The hand cursor.  X = black, o = white, . = transparent.
# --------------------------------------------------------------------------

HAND_HOTSPOT = (12, 1)

HAND = [
    "................................",  # 0
    "...........XXX..................",  # 1  finger tip, hot spot at x = 12
    "..........XoooX.................",  # 2
    "..........XoooX.................",  # 3
    "..........XoooX.................",  # 4
    "..........XoooX.................",  # 5
    "..........XoooX.................",  # 6
    "..........XoooXXXX..............",  # 7
    "..........XoooXoooXXXX..........",  # 8
    "..........XoooXoooXoooXXX.......",  # 9
    "..........XoooXoooXoooXooX......",  # 10
    "......XX..XoooXoooXoooXooX......",  # 11
    ".....XooX.XoooXoooXoooXooX......",  # 12
    ".....XoooXXoooooooooooooooX.....",  # 13
    ".....XooooXooooooooooooooooX....",  # 14
    "......XooooXoooooooooooooooX....",  # 15
    ".......XoooooooooooooooooooX....",  # 16
    "........XooooooooooooooooooX....",  # 17
    ".........XoooooooooooooooooX....",  # 18
    "..........XooooooooooooooooX....",  # 19
    "...........XooooooooooooooX.....",  # 20
    "............XooooooooooooX......",  # 21
    "............XooooooooooooX......",  # 22
    "...........XXXXXXXXXXXXXXXX.....",  # 23
    "...........XooooooooooooooX.....",  # 24
    "...........XooooooooooooooX.....",  # 25
    "...........XooooooooooooooX.....",  # 26
    "...........XXXXXXXXXXXXXXXX.....",  # 27
    "................................",  # 28
    "................................",  # 29
    "................................",  # 30
    "................................",  # 31
]


def check_hand():
    if len(HAND) != 32:
        sys.exit("hand: %d rows, want 32" % len(HAND))
    for y, line in enumerate(HAND):
        if len(line) != 32 or set(line) - set("Xo."):
            sys.exit("hand: bad row %d" % y)
    hx, hy = HAND_HOTSPOT
    if HAND[hy][hx] != "X":
        sys.exit("hand: hot spot is not on the finger tip")


def write_cur(path):
    """A classic monochrome cursor: 1-bit XOR bitmap plus AND mask.

    AND 1, XOR 0: transparent; AND 0, XOR 0: black; AND 0, XOR 1: white.
    """
    check_hand()
    w = h = 32
    stride = 4
    xor = bytearray()
    mask = bytearray()
    for line in reversed(HAND):
        xbits = bytearray(stride)
        abits = bytearray(stride)
        for x, ch in enumerate(line):
            bit = 0x80 >> (x % 8)
            if ch == ".":
                abits[x // 8] |= bit
            elif ch == "o":
                xbits[x // 8] |= bit
        xor += xbits
        mask += abits
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = struct.pack(
        "<IiiHHIIiiII", 40, w, h * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0
    )
    blob = header + palette + bytes(xor) + bytes(mask)
    hx, hy = HAND_HOTSPOT
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", w, h, 2, 0, hx, hy, len(blob), 6 + 16)
    _write(path, out + blob)


def _write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(path), len(data)))


# Below 32 pixels the large icon shows the small icon's simpler motif.
LARGE_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SMALL_SIZES = (16, 20, 24, 32, 40, 48)


def main():
    large = [(n, render(n, (simple_motif if n < 32 else full_motif)(n))) for n in LARGE_SIZES]
    write_ico(os.path.join(HERE, "zemit.ico"), large)
    small = [(n, render(n, simple_motif(n))) for n in SMALL_SIZES]
    write_ico(os.path.join(HERE, "zemit_small.ico"), small)
    write_cur(os.path.join(HERE, "hand.cur"))


if __name__ == "__main__":
    main()
