#!/usr/bin/env python3
"""Draws the program's pictures for the Windows resources, with no library beyond Python's.

slumbrix.ico  the program icon: a crescent moon over a power symbol, 32 x 32 and 16 x 16,
              256 colours each
about.ico     the About window's icon: the moon alone on a night-blue disc, same sizes
logo.bmp      the maker's logo for the About window, 118 x 34 pixels, 24-bit colour

Run it from this folder after changing a picture; the outputs are committed.
"""
import math
import struct

SAMPLES = 4  # sub-pixels per axis for smooth edges

NIGHT = (24, 40, 96)
MOON = (250, 214, 80)
POWER = (40, 170, 90)
WHITE = (255, 255, 255)


def power_symbol(x, y, cx, cy, r, width):
    """True inside a power symbol: a ring open at the top and a bar through the gap."""
    d = math.hypot(x - cx, y - cy)
    angle = math.degrees(math.atan2(x - cx, cy - y))  # 0 at the top, clockwise
    ring = abs(d - r) <= width / 2 and abs(angle) > 38
    bar = abs(x - cx) <= width / 2 and cy - r - width * 0.2 <= y <= cy - r * 0.15
    return ring or bar


def crescent(x, y, cx, cy, r):
    inside = math.hypot(x - cx, y - cy) <= r
    bite = math.hypot(x - (cx - r * 0.55), y - (cy - r * 0.35)) <= r * 0.85
    return inside and not bite


def app_icon(x, y, size):
    s = size / 32.0
    if crescent(x, y, 22 * s, 9 * s, 8.5 * s):
        return MOON
    if power_symbol(x, y, 13 * s, 19 * s, 9.5 * s, 3.2 * s):
        return POWER
    return None


def about_icon(x, y, size):
    s = size / 32.0
    if crescent(x, y, 17 * s, 15 * s, 10 * s):
        return MOON
    if math.hypot(x - 16 * s, y - 16 * s) <= 15.5 * s:
        return NIGHT
    return None


def render(shape, size):
    """Per pixel: the blended colour and whether it is opaque."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = []
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shape(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES, size)
                    if c is not None:
                        hits.append(c)
            if len(hits) * 2 < SAMPLES * SAMPLES:
                row.append(None)
            else:
                row.append(tuple(sum(c[i] for c in hits) // len(hits) for i in range(3)))
        pixels.append(row)
    return pixels


def palette_256():
    """A 6 x 6 x 6 colour cube and 40 greys."""
    levels = [0, 51, 102, 153, 204, 255]
    colours = [(r, g, b) for r in levels for g in levels for b in levels]
    colours += [(i * 255 // 39,) * 3 for i in range(40)]
    return colours


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def icon_image(pixels, palette):
    """One 8-bit icon image as stored in an .ico: header, palette, XOR and AND bitmaps."""
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    xor = b''
    mask = b''
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        xor += bytes(0 if c is None else nearest(palette, c) for c in row)
        line = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is None:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + pal + xor + mask


def write_ico(path, shape, sizes=(32, 16)):
    palette = palette_256()
    images = [icon_image(render(shape, s), palette) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


def logo_pixel(x, y):
    """A night-blue plate with the moon and the power symbol and three rising bars."""
    w, h = 118, 34
    shade = 0.75 + 0.25 * (1 - y / h)
    colour = tuple(int(c * shade) for c in NIGHT)
    if crescent(x + 0.5, y + 0.5, 24, 11, 8):
        return MOON
    if power_symbol(x + 0.5, y + 0.5, 14, 20, 9, 3):
        return POWER
    for i, top in enumerate((22, 15, 8)):
        left = 44 + i * 24
        if left <= x < left + 16 and top <= y < h - 5:
            return WHITE if i == 2 else (150 + i * 40, 190, 240)
    if y >= h - 3:
        return MOON
    return colour


def write_bmp(path, width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = b''
    for y in reversed(range(height)):
        line = b''.join(struct.pack('<BBB', *reversed(pixel(x, y))) for x in range(width))
        rows += line + b'\0' * (stride - width * 3)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(head + info + rows)


if __name__ == '__main__':
    write_ico('slumbrix.ico', app_icon)
    write_ico('about.ico', about_icon)
    write_bmp('logo.bmp', 118, 34, logo_pixel)
