#!/usr/bin/env python3
"""Draws the program icon and writes it as a Windows .ico file.

A round clock face whose hands show ten past ten, with the arrow cursor at its
lower right finishing a stroke of blue ink: the clock that writes with the
mouse. Three sizes (16, 32 and 48 pixels), 32-bit colour with alpha, each
pixel an 8 x 8 supersampled average of the shapes below. No randomness, no
timestamps, only the standard library: the same bytes on every run.

    tools/make_icon.py resources/spindrift-clock.ico
"""

import math
import struct
import sys

SIZES = (16, 32, 48)
SAMPLES = 8  # per axis, per pixel

# Colours as (r, g, b).
RIM = (38, 52, 84)
FACE = (250, 248, 240)
TICK = (70, 80, 100)
HAND = (30, 30, 40)
INK = (30, 90, 220)
ARROW = (255, 255, 255)
ARROW_EDGE = (0, 0, 0)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def inside_polygon(px, py, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def ink_path():
    """A short cursive stroke ending at the cursor's tip, in units of the icon (0..1)."""
    points = []
    for k in range(33):
        t = k / 32
        x = 0.10 + 0.52 * t
        y = 0.86 - 0.07 * math.sin(t * 2.5 * math.pi) - 0.14 * t
        points.append((x, y))
    return points


INK_PATH = ink_path()
TIP = INK_PATH[-1]
# The classic arrow, pointing up and left, its tip at the end of the ink.
ARROW_SHAPE = [(0.0, 0.0), (0.0, 0.36), (0.085, 0.28), (0.14, 0.40), (0.19, 0.38),
               (0.135, 0.26), (0.25, 0.26)]


def arrow_points(scale):
    return [(TIP[0] + x * scale, TIP[1] + y * scale) for x, y in ARROW_SHAPE]


def colour_at(u, v, size):
    """The colour (r, g, b, a) of the point (u, v) of an icon `size` pixels wide."""
    thin = 1.0 / size  # about a pixel, so that small sizes keep their lines
    cx, cy, radius = 0.42, 0.40, 0.38
    distance = math.hypot(u - cx, v - cy)

    # The cursor lies on top of everything, then the ink, then the clock.
    arrow = arrow_points(0.8 if size >= 32 else 0.9)
    if inside_polygon(u, v, arrow):
        edge = min(segment_distance(u, v, *arrow[i], *arrow[(i + 1) % len(arrow)])
                   for i in range(len(arrow)))
        return ARROW_EDGE + (255,) if edge < max(0.7 * thin, 0.02) else ARROW + (255,)
    ink_width = max(1.1 * thin, 0.035)
    if any(segment_distance(u, v, *INK_PATH[i], *INK_PATH[i + 1]) < ink_width
           for i in range(len(INK_PATH) - 1)):
        return INK + (255,)

    if distance > radius:
        return (0, 0, 0, 0)
    if distance > radius - max(1.2 * thin, 0.06):
        return RIM + (255,)
    # Hands at ten past ten.
    hand_width = max(0.9 * thin, 0.03)
    for angle, length in ((-60.0, 0.20), (60.0, 0.28)):
        a = math.radians(angle)
        tip = (cx + length * math.sin(a), cy - length * math.cos(a))
        if segment_distance(u, v, cx, cy, *tip) < hand_width:
            return HAND + (255,)
    # Four ticks at 12, 3, 6 and 9; only where there is room for them.
    if size >= 32:
        for k in range(4):
            a = math.radians(90 * k)
            outer = radius - 0.08
            inner = radius - 0.15
            if segment_distance(u, v, cx + inner * math.sin(a), cy - inner * math.cos(a),
                                cx + outer * math.sin(a), cy - outer * math.cos(a)) < 0.022:
                return TICK + (255,)
    return FACE + (255,)


def render(size):
    """Rows of (b, g, r, a) from the top, premultiplied averages of the samples."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / size
                    v = (y + (sy + 0.5) / SAMPLES) / size
                    cr, cg, cb, ca = colour_at(u, v, size)
                    r += cr * ca
                    g += cg * ca
                    b += cb * ca
                    a += ca
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(b / a), round(g / a), round(r / a),
                            round(a / (SAMPLES * SAMPLES))))
        rows.append(row)
    return rows


def bitmap_entry(size):
    """An icon image: BITMAPINFOHEADER, 32-bit pixels bottom-up, then the AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(channel for pixel in row for channel in pixel)
                      for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def icon_file():
    images = [bitmap_entry(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    data = icon_file()
    if len(sys.argv) > 1:
        with open(sys.argv[1], "wb") as out:
            out.write(data)
    else:
        sys.stdout.buffer.write(data)


if __name__ == "__main__":
    main()
