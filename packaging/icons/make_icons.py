#!/usr/bin/env python3
"""Draws the program's icon: two discs, white and black, on a corner of the violet board. Writes the
scalable discada.svg and discada_N.png for every size the menu of a desktop asks for.

    python3 make_icons.py OUTPUT_FOLDER

The SVG and the PNGs come from one list of shapes, so they show the same picture. Standard library
only: the PNGs are drawn here with 4 x 4 samples a pixel.
"""

import math
import os
import struct
import sys
import zlib

VIEW = 256
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4

VIOLET = (238, 130, 238)
BLACK = (0, 0, 0)


def grey(level):
    return (level, level, level)


def disc(cx, cy, radius, outline, edge, face):
    """A disc seen slightly from above, lit from the upper left, as on the board."""
    rim = radius * 0.08
    face_radius = radius * 0.86
    face_cy = cy - radius * 0.1
    light = (cx - 0.5 * radius, face_cy - 0.5 * radius)
    return [
        ("circle", (cx, cy, radius), grey(outline)),
        ("circle", (cx, cy, radius - rim), grey(edge)),
        ("face", (cx, face_cy, face_radius, light, 1.5 * face_radius), face),
    ]


# The board's corner: a black frame, violet cells split by two lines, a disc in each diagonal cell.
SHAPES = [
    ("round_rect", (8, 8, 248, 248, 36), BLACK),
    ("round_rect", (18, 18, 238, 238, 28), VIOLET),
    ("rect", (124, 18, 132, 238), BLACK),
    ("rect", (18, 124, 238, 132), BLACK),
    *disc(71, 71, 47, outline=128, edge=110, face=(255, 245)),
    *disc(185, 185, 47, outline=0, edge=150, face=(68, 58)),
]


def inside(shape, x, y):
    kind, geometry, _ = shape
    if kind == "rect":
        x1, y1, x2, y2 = geometry
        return x1 <= x < x2 and y1 <= y < y2
    if kind == "round_rect":
        x1, y1, x2, y2, r = geometry
        nx = min(max(x, x1 + r), x2 - r)
        ny = min(max(y, y1 + r), y2 - r)
        return x1 <= x < x2 and y1 <= y < y2 and math.hypot(x - nx, y - ny) <= r
    cx, cy, r = geometry[:3]
    return math.hypot(x - cx, y - cy) <= r


def colour_at(shape, x, y):
    kind, geometry, colour = shape
    if kind != "face":
        return colour
    light, reach = geometry[3], geometry[4]
    bright, dark = colour
    t = min(1.0, math.hypot(x - light[0], y - light[1]) / reach)
    return grey(bright + (dark - bright) * t)


def sample(x, y):
    """The (r, g, b, a) of the picture at a point of the 256-unit view, a = 0 or 1."""
    found = None
    for shape in SHAPES:
        if inside(shape, x, y):
            found = colour_at(shape, x, y)
    return (0, 0, 0, 0) if found is None else (*found, 1)


def pixels(size):
    unit = VIEW / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = sample((px + (sx + 0.5) / SAMPLES) * unit,
                                        (py + (sy + 0.5) / SAMPLES) * unit)
                    total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
            alpha = total[3]
            colour = [round(c / alpha) if alpha else 0 for c in total[:3]]
            row += bytes((*colour, round(255 * alpha / SAMPLES ** 2)))
        rows.append(bytes(row))
    return rows


def png_bytes(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def hex_colour(colour):
    return "#%02x%02x%02x" % tuple(round(c) for c in colour)


def svg_text():
    defs, body = [], []
    for index, (kind, geometry, colour) in enumerate(SHAPES):
        if kind == "rect":
            x1, y1, x2, y2 = geometry
            body.append(f'<rect x="{x1}" y="{y1}" width="{x2 - x1}" height="{y2 - y1}" '
                        f'fill="{hex_colour(colour)}"/>')
        elif kind == "round_rect":
            x1, y1, x2, y2, r = geometry
            body.append(f'<rect x="{x1}" y="{y1}" width="{x2 - x1}" height="{y2 - y1}" '
                        f'rx="{r}" fill="{hex_colour(colour)}"/>')
        elif kind == "circle":
            cx, cy, r = geometry
            body.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{r:g}" fill="{hex_colour(colour)}"/>')
        else:
            cx, cy, r, light, reach = geometry
            bright, dark = colour
            defs.append(f'<radialGradient id="face{index}" gradientUnits="userSpaceOnUse" '
                        f'cx="{light[0]:g}" cy="{light[1]:g}" r="{reach:g}">'
                        f'<stop offset="0" stop-color="{hex_colour(grey(bright))}"/>'
                        f'<stop offset="1" stop-color="{hex_colour(grey(dark))}"/>'
                        f'</radialGradient>')
            body.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{r:g}" fill="url(#face{index})"/>')
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{VIEW}" height="{VIEW}" '
             f'viewBox="0 0 {VIEW} {VIEW}">', "<defs>", *defs, "</defs>", *body, "</svg>"]
    return "\n".join(lines) + "\n"


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(os.path.join(folder, "discada.svg"), "w", encoding="utf-8") as out:
        out.write(svg_text())
    for size in SIZES:
        with open(os.path.join(folder, f"discada_{size}.png"), "wb") as out:
            out.write(png_bytes(pixels(size)))


if __name__ == "__main__":
    main()
