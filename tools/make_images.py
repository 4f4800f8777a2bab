#!/usr/bin/env python3
"""Draws the program's pictures from the shapes described below and writes them
as Windows resource files (.ico). Run by the build; needs only Python 3.

usage: make_images.py OUTPUT_DIR

Every picture is a list of shapes in a unit square (0..1, y down), drawn with
4 x 4 supersampling so that edges are smooth at every size:
  palette.ico  (icon 128)  an oval painter's palette with a thumb hole and five
                           paint dabs, an eyedropper lying across it; 16 to 128 px
  picker.ico   (icon 207)  an eyedropper alone, 16 x 16, 8-bit and 32-bit
"""
import math
import os
import struct
import sys

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

def picker_layers():
    return eyedropper(0.10, 0.92, 0.92, 0.10, 0.09)

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
    write_ico(os.path.join(out_dir, 'palette.ico'),
              [(s, 32, dib_32(render(palette, s), s)) for s in (16, 20, 24, 32, 48, 64, 128)])
    picker = render(picker_layers(), 16)
    write_ico(os.path.join(out_dir, 'picker.ico'),
              [(16, 8, dib_8(picker, 16)), (16, 32, dib_32(picker, 16))])

if __name__ == '__main__':
    main()
