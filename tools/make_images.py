#!/usr/bin/env python3
"""Draws the program's pictures from the shapes described below and writes them
as Windows resource files (.ico). Run by the build; needs only Python 3.

usage: make_images.py OUTPUT_DIR

Every picture is a list of shapes in a unit square (0..1, y down), drawn with
4 x 4 supersampling so that edges are smooth at every size:
  palette.ico  (icon 128)  an oval painter's palette with a thumb hole and five
                           paint dabs, an eyedropper lying across it; 16 to 128 px,
                           the 64 and 128 px images PNG-compressed
  picker.ico   (icon 207)  an eyedropper alone, 16 x 16, 8-bit and 32-bit
Small pictures that must stay crisp are drawn pixel by pixel from rules instead:
  picker.ico and drag.cur (cursor 205, 32 x 32 black and white, hot spot at the
  tip, (1, 15)) share one 16 x 16 eyedropper; copy.bmp (bitmap 210) shows two
  document pages and delete.bmp (bitmap 212) a dark red cross, both 30 x 30 in
  16 colours on magenta, the colour the buttons treat as transparent.
The rules draw the same four again for displays scaled to 125, 150 and 200 %,
from their shapes at the larger size: picker-125.ico (20 px, 32-bit only),
drag-125.cur (40 px, hot spot still on the tip), copy-125.bmp and delete-125.bmp
(38 px), and likewise -150 (24, 48 and 45 px) and -200 (32, 64 and 60 px).
"""
import math
import os
import struct
import sys
import zlib
from fractions import Fraction

# ---- shapes: each returns True when the point (x, y) is inside ----------------

def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)

def capsule(x0, y0, x1, y1, r):
    """A rod with round ends from (x0, y0) to (x1, y1), radius r."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= r * r
    return inside

def outlined(shape_outer, shape_inner):
    return lambda x, y: shape_outer(x, y) and not shape_inner(x, y)

# ---- the pictures: (shape, RGBA) layers, back to front -------------------------

OUTLINE = (60, 40, 20, 255)
WOOD = (226, 188, 128, 255)
HOLE = (0, 0, 0, 0)
GLASS = (200, 230, 245, 255)
GLASS_EDGE = (40, 70, 90, 255)
RUBBER = (40, 40, 48, 255)
TIP = (30, 30, 30, 255)

def eyedropper(x0, y0, x1, y1, width):
    """Layers of an eyedropper from its tip (x0, y0) to the end of its bulb (x1, y1)."""
    def at(t):
        return x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
    tip_end = at(0.18)
    glass_end = at(0.62)
    collar = at(0.66)
    return [
        (capsule(x0, y0, *tip_end, width * 0.45), TIP),
        (capsule(*tip_end, *glass_end, width), GLASS_EDGE),
        (capsule(*tip_end, *glass_end, width * 0.62), GLASS),
        (capsule(*at(0.4), *glass_end, width * 0.62), (120, 30, 160, 255)),  # drawn-up paint
        (capsule(*collar, *collar, width * 1.35), RUBBER),
        (capsule(*collar, x1, y1, width * 1.1), RUBBER),
    ]

def palette_layers():
    body = ellipse(0.47, 0.50, 0.45, 0.36)
    layers = [
        (body, OUTLINE),
        (ellipse(0.47, 0.50, 0.41, 0.32), WOOD),
        (circle(0.30, 0.64, 0.075), OUTLINE),
        (circle(0.30, 0.64, 0.05), HOLE),
    ]
    dabs = [((0.26, 0.36), (220, 30, 30, 255)), ((0.43, 0.28), (250, 210, 20, 255)),
            ((0.61, 0.32), (40, 170, 60, 255)), ((0.72, 0.48), (30, 90, 220, 255)),
            ((0.52, 0.62), (150, 50, 190, 255))]
    for (cx, cy), colour in dabs:
        layers.append((circle(cx, cy, 0.075), colour))
    layers += eyedropper(0.30, 0.92, 0.95, 0.10, 0.055)
    return layers

# ---- pixel rules -----------------------------------------------------------------
# The small pictures are drawn from rules at their own size and, for scaled
# displays, at the SCALES below (per cent). A rule names its shapes in pixels of
# the picture at 100 % and decides each pixel by where its centre falls; a shape's
# edges lie half way between the 100 % picture's pixels, so that at 100 % every
# pixel is what it always was. Lines one pixel thick become `stroke` pixels,
# always whole pixels, so that they stay crisp at every scale.

SCALES = (125, 150, 200)

def scaled_size(size, percent):
    return (size * percent + 50) // 100

def stroke(scale):
    return max(1, int(scale))

def first_pixel(edge, scale):
    """The first pixel whose centre lies at or beyond `edge` (in 100 % pixels)."""
    return math.ceil(edge * scale - Fraction(1, 2))

# The eyedropper's parts from the tip to the end of the bulb: the first and last
# `along` and the half-width `across` of each (in the 16 px picture's pixels), its
# role and the role of its rim, a stroke along its sides.
EYEDROPPER_PARTS = [
    (-15, -10, 0, 'outline', None),        # the needle
    (-9, 1, 2, 'glass', 'outline'),        # the glass tube, paint drawn up in its lower half
    (2, 3, 3, 'outline', None),            # the collar
    (4, 11, 3, 'rubber', 'outline'),       # the rubber bulb
    (12, 12, 2, 'outline', None),          # the bulb's rounded end
    (13, 13, 1, 'outline', None),
]

def eyedropper_pixel(x, y, size=16):
    """The eyedropper drawn size x size, tip at (0, size - 1), bulb towards the top
    right. `across` is the distance from the axis x + y = size - 1 and `along` runs
    from the tip (-15) to the end of the bulb (13), both in 16 px picture pixels.
    Returns a role name or None."""
    scale = Fraction(size, 16)
    along = Fraction(x - y) / scale
    across = x + y + 1 - size                # in pixels of this picture
    for first, last, half, role, rim in EYEDROPPER_PARTS:
        if not first - Fraction(1, 2) <= along < last + Fraction(1, 2):
            continue
        lowest = math.ceil((-half - Fraction(1, 2)) * scale)
        highest = math.ceil((half + Fraction(1, 2)) * scale) - 1
        if not lowest <= across <= highest:
            return None
        if rim and not lowest + stroke(scale) <= across <= highest - stroke(scale):
            return rim
        if role == 'glass' and along < Fraction(-9, 2):
            return 'paint'
        return role
    return None

EYEDROPPER_COLOURS = {'outline': (0, 0, 0, 255), 'paint': (40, 90, 220, 255),
                      'glass': (215, 235, 250, 255), 'rubber': (90, 90, 100, 255)}

def picker_rows(size=16):
    return [[EYEDROPPER_COLOURS.get(eyedropper_pixel(x, y, size), (0, 0, 0, 0))
             for x in range(size)] for y in range(size)]

def drag_cursor(size=32):
    """The cursor's roles and hot spot: the eyedropper in the top-left quarter,
    moved one stroke right, and the hot spot on its tip."""
    eye, offset = size // 2, stroke(Fraction(size, 32))
    roles = [[eyedropper_pixel(x - offset, y, eye) if offset <= x < offset + eye and y < eye
              else None for x in range(size)] for y in range(size)]
    hotspot = (offset, eye - 1)
    assert roles[hotspot[1]][hotspot[0]] == 'outline', 'the hot spot is off the tip'
    return roles, hotspot

# 16-colour palette of the bitmaps (the classic VGA one).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_RED, GREY, MAGENTA, WHITE, SILVER = 0, 1, 8, 13, 15, 7

def copy_pixel(x, y, size=30):
    """Two overlapping pages, the front one lower right, each with five text lines."""
    scale = Fraction(size, 30)
    line = stroke(scale)
    for left, top in ((11, 9), (4, 2)):    # front page first: it covers the back one
        columns = range(first_pixel(left, scale), first_pixel(left + 15, scale))
        rows = range(first_pixel(top, scale), first_pixel(top + 19, scale))
        if x in columns and y in rows:
            if (x < columns[0] + line or x > columns[-1] - line or
                    y < rows[0] + line or y > rows[-1] - line):
                return BLACK
            in_text = first_pixel(left + 3, scale) <= x < first_pixel(left + 12, scale)
            if in_text and any(0 <= y - first_pixel(top + 3 * k, scale) < line
                               for k in range(1, 6)):
                return GREY
            return WHITE
    return MAGENTA

def delete_pixel(x, y, size=30):
    """A dark red cross, two strokes three pixels wide."""
    scale = Fraction(size, 30)
    u, v = (x + Fraction(1, 2)) / scale, (y + Fraction(1, 2)) / scale
    half = Fraction(3, 2)
    if 6 <= u < 24 and 6 <= v < 24 and (-half <= u - v < half or -half <= u + v - 30 < half):
        return DARK_RED
    return MAGENTA

# ---- rasterising ---------------------------------------------------------------

def render(layers, size, samples=4):
    """Returns rows of RGBA tuples, top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    colour = (0, 0, 0, 0)
                    for shape, rgba in layers:
                        if shape(x, y):
                            colour = rgba
                    a = colour[3] / 255.0
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                row.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) +
                           (int(round(alpha * 255)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows

# ---- ICO writing ---------------------------------------------------------------

def and_mask(rows, size):
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)

def dib_32(rows, size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    return header + bytes(pixels) + and_mask(rows, size)

def png_32(rows, size):
    """The same picture PNG-compressed, as icons from Windows Vista on may hold it:
    a large 32-bit image shrinks to a fraction of its DIB."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

def dib_8(rows, size):
    """8-bit with a palette: a 6x6x6 colour cube plus greys; transparency by mask."""
    levels = [0, 51, 102, 153, 204, 255]
    colours = [(r, g, b) for r in levels for g in levels for b in levels]
    colours += [(v, v, v) for v in range(8, 248, 6)][:256 - len(colours)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    def nearest(pixel):
        r, g, b = pixel[:3]
        return min(range(len(colours)), key=lambda i: (colours[i][0] - r) ** 2 +
                   (colours[i][1] - g) ** 2 + (colours[i][2] - b) ** 2)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            line[x] = nearest(pixel) if pixel[3] >= 128 else 0
        pixels += line
    return header + palette + bytes(pixels) + and_mask(rows, size)

def write_bmp_4bit(path, pixel, size):
    stride = ((size * 4 + 31) // 32) * 4
    rows = bytearray()
    for y in reversed(range(size)):
        line = bytearray(stride)
        for x in range(size):
            line[x // 2] |= pixel(x, y, size) << (0 if x % 2 else 4)
        rows += line
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 4, 0, len(rows), 2835, 2835, 16, 16)
    with open(path, 'wb') as f:
        f.write(header + info + palette + bytes(rows))

def write_monochrome_cursor(path, roles, hotspot):
    """Outline and bulb black, the glass white, the rest transparent."""
    size = len(roles)
    stride = ((size + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(roles):
        xor_line, mask_line = bytearray(stride), bytearray(stride)
        for x, role in enumerate(row):
            bit = 0x80 >> (x % 8)
            if role is None:
                mask_line[x // 8] |= bit       # transparent
            elif role not in ('outline', 'rubber'):
                xor_line[x // 8] |= bit        # white
        xor += xor_line
        mask += mask_line
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    data = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(mask)
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(data), 22)
    with open(path, 'wb') as f:
        f.write(header + entry + data)

def write_ico(path, images):
    """images: list of (size, bits per pixel, DIB bytes)."""
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)

def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    palette = palette_layers()
    # The sizes a window, the taskbar and the notification area ask for stay
    # DIBs; only the large ones, for Explorer's big views, are PNG.
    write_ico(os.path.join(out_dir, 'palette.ico'),
              [(s, 32, (png_32 if s >= 64 else dib_32)(render(palette, s), s))
               for s in (16, 20, 24, 32, 48, 64, 128)])
    for percent in (100,) + SCALES:
        suffix = '' if percent == 100 else '-%d' % percent
        size = scaled_size(16, percent)
        picker = picker_rows(size)
        # The 256-colour image serves displays of 256 colours, which nobody scales.
        write_ico(os.path.join(out_dir, 'picker%s.ico' % suffix),
                  ([(size, 8, dib_8(picker, size))] if percent == 100 else []) +
                  [(size, 32, dib_32(picker, size))])
        write_monochrome_cursor(os.path.join(out_dir, 'drag%s.cur' % suffix),
                                *drag_cursor(scaled_size(32, percent)))
        write_bmp_4bit(os.path.join(out_dir, 'copy%s.bmp' % suffix), copy_pixel,
                       scaled_size(30, percent))
        write_bmp_4bit(os.path.join(out_dir, 'delete%s.bmp' % suffix), delete_pixel,
                       scaled_size(30, percent))

if __name__ == '__main__':
    main()
