#!/usr/bin/env python3
"""Re-creates Quillane's shipped files: the five .ir icon files, the program icon AAA.ico and
the tips file tod.ctd. Run from anywhere: python3 resources/make_resources.py"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


# --- Pictures: each role is a list of layers; a layer is (inside(u, v), rgb) over the unit square.

def circle(cx, cy, r):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda u, v: x0 <= u <= x1 and y0 <= v <= y1


def thick_line(ax, ay, bx, by, width):
    def inside(u, v):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
        px, py = ax + t * dx, ay + t * dy
        return (u - px) ** 2 + (v - py) ** 2 <= (width / 2) ** 2
    return inside


def triangle(a, b, c):
    def side(p, q, u, v):
        return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0])

    def inside(u, v):
        s1, s2, s3 = side(a, b, u, v), side(b, c, u, v), side(c, a, u, v)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


ROLES = {
    # Busy: an hourglass with amber sand.
    "Busy": [
        (rect(0.22, 0.08, 0.78, 0.16), (90, 60, 30)),
        (rect(0.22, 0.84, 0.78, 0.92), (90, 60, 30)),
        (triangle((0.28, 0.16), (0.72, 0.16), (0.5, 0.5)), (250, 235, 200)),
        (triangle((0.28, 0.84), (0.72, 0.84), (0.5, 0.5)), (250, 235, 200)),
        (triangle((0.38, 0.22), (0.62, 0.22), (0.5, 0.42)), (230, 150, 20)),
        (triangle((0.3, 0.82), (0.7, 0.82), (0.5, 0.62)), (230, 150, 20)),
    ],
    # Idle: a green disc with a white tick.
    "Idle": [
        (circle(0.5, 0.5, 0.44), (40, 160, 70)),
        (thick_line(0.28, 0.52, 0.44, 0.68, 0.12), (255, 255, 255)),
        (thick_line(0.44, 0.68, 0.74, 0.34, 0.12), (255, 255, 255)),
    ],
    # Tod: a light bulb, for the tip of the day.
    "Tod": [
        (circle(0.5, 0.4, 0.32), (250, 215, 60)),
        (rect(0.36, 0.62, 0.64, 0.78), (250, 215, 60)),
        (rect(0.38, 0.78, 0.62, 0.9), (120, 120, 130)),
        (circle(0.4, 0.32, 0.08), (255, 250, 220)),
    ],
    # Quillane: a quill writing on a page.
    "Quillane": [
        (rect(0.11, 0.07, 0.73, 0.93), (90, 100, 120)),
        (rect(0.14, 0.1, 0.7, 0.9), (250, 250, 245)),
        (rect(0.22, 0.24, 0.6, 0.28), (150, 160, 180)),
        (rect(0.22, 0.38, 0.6, 0.42), (150, 160, 180)),
        (rect(0.22, 0.52, 0.5, 0.56), (150, 160, 180)),
        (triangle((0.92, 0.06), (0.56, 0.66), (0.72, 0.5)), (40, 80, 170)),
        (triangle((0.92, 0.06), (0.56, 0.66), (0.78, 0.18)), (70, 120, 210)),
        (thick_line(0.56, 0.66, 0.48, 0.8, 0.05), (30, 30, 40)),
    ],
    # Amail: an envelope, for writing to the authors.
    "Amail": [
        (rect(0.05, 0.19, 0.95, 0.83), (120, 100, 70)),
        (rect(0.08, 0.22, 0.92, 0.8), (245, 240, 225)),
        (thick_line(0.1, 0.24, 0.5, 0.56, 0.06), (160, 140, 110)),
        (thick_line(0.5, 0.56, 0.9, 0.24, 0.06), (160, 140, 110)),
    ],
}
ROLES["AAA"] = ROLES["Quillane"]

def render(role, size):
    """RGBA rows, top first, antialiased by 4 x 4 samples per pixel."""
    layers = ROLES[role]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(4):
                for sx in range(4):
                    u = (x + (sx + 0.5) / 4) / size
                    v = (y + (sy + 0.5) / 4) / size
                    colour = None
                    for inside, rgb in layers:
                        if inside(u, v):
                            colour = rgb
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered:
                row.append((total[0] // covered, total[1] // covered, total[2] // covered,
                            covered * 255 // 16))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


# --- Icon files: little-endian ICO with BITMAPINFOHEADER images, colour rows bottom-up, then the
# AND mask.

PALETTE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE += [(i * 255 // 39, i * 255 // 39, i * 255 // 39) for i in range(40)]


def nearest(rgb):
    return min(range(len(PALETTE)),
               key=lambda i: sum((PALETTE[i][c] - rgb[c]) ** 2 for c in range(3)))


def bitmap(rows, bits):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    data = bytearray(header)
    if bits == 8:
        for r, g, b in PALETTE:
            data += bytes((b, g, r, 0))
    stride = (size * bits + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, a in row:
            if bits == 32:
                line += bytes((b, g, r, a))
            else:
                line.append(nearest((r, g, b)) if a >= 128 else 0)
        line += bytes(stride - len(line))
        data += line
    # A 32-bit image blends its partly covered pixels, so only the empty ones are masked; an
    # 8-bit one has no blend and masks every pixel less than half covered.
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if (a == 0) if bits == 32 else (a < 128):
                line[x // 8] |= 0x80 >> (x % 8)
        data += line
    return bytes(data)


def icon_file(role, sizes):
    images = [(size, bits, bitmap(render(role, size), bits))
              for bits in (8, 32) for size in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


TIPS = [
    "Every change of a rule shows the new names at once in the Ren Output column: check them there before you press Rename.",
    "Numbers in a prefix or suffix follow the order of the list. Sort by a column or move files up and down first, and the numbers follow.",
    "On the Numeric page, tick Ascending and the prefix or suffix counts up from the number you type, by the Increase By value.",
    "Padding writes numbers with zeros in front: with padding 3, the number 7 is written 007, so names sort in the right order everywhere.",
    "The Alphabetic page of a prefix or suffix holds a fixed text that every file gets, such as a trip name.",
    "Each page of the prefix and the suffix keeps its own text: switch between Numeric and Alphabetic without losing either.",
    "To change parts of the old names, untick New Filename and tick Replace: the search works on the name without its extension, and capital letters count.",
    "With New Filename unticked and Replace ticked, Remove [1], [2], [3]... takes away bracketed numbers such as the [2] a browser adds to a second download.",
    "With New Filename unticked and Replace ticked, Remove Url Encoding turns %20 back into a space and %2B into a plus sign in names saved from web pages.",
    "Title Case starts every word after a space with a capital and writes the rest small. Sentence case capitalises the first letter and each letter after a full stop, question mark or exclamation mark and a space, and changes nothing else.",
    "The case you choose applies to the base name only: the extension, the prefix and the suffix keep theirs.",
    "Tick New Extension with an empty box to take the extension off every name.",
    "A date or time stamp can stand before the prefix or after the suffix: choose as prefix or as suffix.",
    "Click a column header to sort the list by it; click again to sort the other way round.",
    "Add Directory takes every file of a folder, and with Include Subdirectory every file below it too, hidden files included.",
    "Select files and press Delete to take them off the list; the files themselves stay where they are.",
    "Move Up and Move Down move a block of selected files together, one place at a time.",
    "Move To First puts all selected files at the top of the list in their own order; Move To Last puts them at the bottom.",
    "Inverse Select selects every file that was not selected and none of those that were.",
    "Renaming never replaces a file silently: when a name is taken, Quillane asks you first.",
    "When the same new name stands twice in the list, the second file asks to overwrite the first: check the Ren Output column first.",
    "Two files cannot swap names in one run: the first rename would find the other name taken and ask to overwrite it.",
    "Under Save Rename File(s) To you can send the renamed files into one folder of your choice instead of leaving them where they are.",
    "With New Attributes ticked, every renamed file gets exactly the attributes you tick and loses the others; without it each file keeps its own.",
    "Right-click the list for the commands that work on it: add, remove and move.",
]


def main():
    for role in ("Busy", "Idle", "Tod", "Quillane", "Amail"):
        with open(os.path.join(HERE, role + ".ir"), "wb") as f:
            f.write(icon_file(role, (16, 32)))
    with open(os.path.join(HERE, "AAA.ico"), "wb") as f:
        f.write(icon_file("AAA", (16, 24, 32, 48)))
    with open(os.path.join(HERE, "tod.ctd"), "wb") as f:
        f.write("\r\n".join(TIPS).encode("cp1252"))


if __name__ == "__main__":
    main()
