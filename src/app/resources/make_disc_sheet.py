#!/usr/bin/env python3
"""Writes the disc sheet: a 24-bit bitmap with the white disc in the left tile and the black disc
in the right tile, each disc seen slightly from above so that its edge shows along the lower side,
and pure red, the colour the board never copies, everywhere outside the discs.

    python3 make_disc_sheet.py disc_sheet.bmp [--scale N]

--scale multiplies every length, for sheets meant for high-density screens. At the other scales
the programs draw the same discs themselves (src/board/disc_sheet.cpp): change both together.
"""

import argparse
import math
import struct

TILE = 40
RED = (255, 0, 0)

# Per disc: outline, top face from its brightest to its darkest level, and the edge below.
WHITE_DISC = {"outline": 128, "face": (255, 245), "edge": 110}
BLACK_DISC = {"outline": 0, "face": (68, 58), "edge": 150}


def disc_pixel(disc, x, y, size):
    """The (r, g, b) of the pixel whose centre is (x, y) in a tile of size x size pixels."""
    unit = size / TILE
    centre = size / 2
    radius = size / 2
    d = math.hypot(x - centre, y - centre)
    if d > radius:
        return RED
    if d > radius - unit:
        return (disc["outline"],) * 3
    # The top face sits a little higher than the rim: what lies below it is the disc's edge.
    face_radius = radius - 3 * unit
    face_centre_y = centre - 2 * unit
    if math.hypot(x - centre, y - face_centre_y) > face_radius:
        return (disc["edge"],) * 3
    # Light falls from the upper left: the face darkens away from that corner.
    light_x, light_y = centre - 0.5 * radius, face_centre_y - 0.5 * radius
    t = min(1.0, math.hypot(x - light_x, y - light_y) / (1.5 * face_radius))
    bright, dark = disc["face"]
    level = round(bright + (dark - bright) * t)
    return (level,) * 3


def sheet_rows(scale):
    size = TILE * scale
    rows = []
    for y in range(size):
        row = []
        for disc in (WHITE_DISC, BLACK_DISC):
            row.extend(disc_pixel(disc, x + 0.5, y + 0.5, size) for x in range(size))
        rows.append(row)
    return rows


def bitmap_bytes(rows):
    """An uncompressed 24-bit bitmap without a colour table, rows stored bottom-up."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    return file_header + info_header + pixels


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--scale", type=int, default=1)
    args = parser.parse_args()
    with open(args.output, "wb") as out:
        out.write(bitmap_bytes(sheet_rows(args.scale)))


if __name__ == "__main__":
    main()
