#!/usr/bin/env python3
"""Re-creates Quillane's shipped files: the five .ir icon files, the program icon AAA.ico, the
same icon for the desktop in the hicolor theme (icons/hicolor/: PNG files from 16 to 256 pixels and
an SVG), the tips file tod.ctd, and the PNG pictures of the tool-bar (toolbar/), the status bar
(status/) and the buttons under the file list (list/) with the Qt resource file pictures.qrc that
lists them.
Run from anywhere: python3 resources/make_resources.py [FOLDER]; FOLDER, resources/ by default,
receives the files (a check writes them elsewhere and compares)."""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --- Pictures: each role is a list of layers; a layer is (inside(u, v), colour) over the unit
# square, and the last layer that holds a point gives its colour. A colour is an (r, g, b) triple,
# a function of (u, v) giving one, or ERASE, which clears what the layers below drew. Every shape
# also knows its bounding box and how to grow by a distance d, which draws outlines and the gaps
# around shapes. The shapes of the program icon also write themselves as SVG elements, on a canvas
# of SVG_SIZE units with two decimals so that the file comes out the same every time.

ERASE = "erase"
SVG_SIZE = 256


def svg_number(x):
    return "%.2f" % (x * SVG_SIZE)


def svg_colour(rgb):
    return "#%02x%02x%02x" % rgb


class Shape:
    """A region of the unit square: shape(u, v) tells whether it holds the point."""


class circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.box = (cx - r, cy - r, cx + r, cy + r)

    def __call__(self, u, v):
        return (u - self.cx) ** 2 + (v - self.cy) ** 2 <= self.r * self.r

    def grow(self, d):
        return circle(self.cx, self.cy, self.r + d)


class rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.box = (x0, y0, x1, y1)

    def __call__(self, u, v):
        x0, y0, x1, y1 = self.box
        return x0 <= u <= x1 and y0 <= v <= y1

    def grow(self, d):
        x0, y0, x1, y1 = self.box
        return rect(x0 - d, y0 - d, x1 + d, y1 + d)

    def svg(self, rgb):
        x0, y0, x1, y1 = self.box
        return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (
            svg_number(x0), svg_number(y0), svg_number(x1 - x0), svg_number(y1 - y0),
            svg_colour(rgb))


class thick_line(Shape):
    def __init__(self, ax, ay, bx, by, width):
        self.a, self.b, self.width = (ax, ay), (bx, by), width
        w = width / 2
        self.box = (min(ax, bx) - w, min(ay, by) - w, max(ax, bx) + w, max(ay, by) + w)

    def __call__(self, u, v):
        (ax, ay), (bx, by) = self.a, self.b
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
        px, py = ax + t * dx, ay + t * dy
        return (u - px) ** 2 + (v - py) ** 2 <= (self.width / 2) ** 2

    def grow(self, d):
        return thick_line(*self.a, *self.b, self.width + 2 * d)

    def svg(self, rgb):
        (ax, ay), (bx, by) = self.a, self.b
        return ('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"'
                ' stroke-linecap="round"/>' % (svg_number(ax), svg_number(ay), svg_number(bx),
                                               svg_number(by), svg_colour(rgb),
                                               svg_number(self.width)))


def _edges_grown(points, d):
    return [thick_line(*points[i - 1], *points[i], 2 * d) for i in range(len(points))]


class triangle(Shape):
    def __init__(self, a, b, c):
        self.points = (a, b, c)
        self.box = _box_of(self.points)

    @staticmethod
    def _side(p, q, u, v):
        return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0])

    def __call__(self, u, v):
        a, b, c = self.points
        s1, s2, s3 = self._side(a, b, u, v), self._side(b, c, u, v), self._side(c, a, u, v)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)

    def grow(self, d):
        return Union(self, *_edges_grown(self.points, d))

    def svg(self, rgb):
        return '<polygon points="%s" fill="%s"/>' % (
            " ".join("%s,%s" % (svg_number(x), svg_number(y)) for x, y in self.points),
            svg_colour(rgb))


def _box_of(points):
    return (min(p[0] for p in points), min(p[1] for p in points),
            max(p[0] for p in points), max(p[1] for p in points))


class polygon(Shape):
    """Any simple polygon, inside by the even-odd rule."""
    def __init__(self, *points):
        self.points = points
        self.box = _box_of(points)

    def __call__(self, u, v):
        x0, y0, x1, y1 = self.box
        if not (x0 <= u <= x1 and y0 <= v <= y1):
            return False
        inside = False
        for i in range(len(self.points)):
            (ax, ay), (bx, by) = self.points[i - 1], self.points[i]
            if (ay > v) != (by > v) and u < ax + (v - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return inside

    def grow(self, d):
        return Union(self, *_edges_grown(self.points, d))


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        boxes = [s.box for s in shapes]
        self.box = (min(b[0] for b in boxes), min(b[1] for b in boxes),
                    max(b[2] for b in boxes), max(b[3] for b in boxes))

    def __call__(self, u, v):
        x0, y0, x1, y1 = self.box
        return x0 <= u <= x1 and y0 <= v <= y1 and any(s(u, v) for s in self.shapes)

    def grow(self, d):
        return Union(*(s.grow(d) for s in self.shapes))


def arc(cx, cy, r, start, end, width, steps=12):
    """A round stroke along a circle from angle start to angle end, in degrees counted
    counter-clockwise from the right as seen on screen (v grows downwards)."""
    points = [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
               cy - r * math.sin(math.radians(start + (end - start) * i / steps)))
              for i in range(steps + 1)]
    return Union(*(thick_line(*points[i - 1], *points[i], width) for i in range(1, steps + 1)))


def turned(points, degrees, cx=0.5, cy=0.5):
    """The points turned about (cx, cy), counter-clockwise as seen on screen."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return [(cx + (x - cx) * c + (y - cy) * s, cy - (x - cx) * s + (y - cy) * c)
            for x, y in points]


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

# The hicolor theme's usual sizes of an application icon.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
APP_ID = "example.kestrova.Quillane"


def render(role, size):
    return render_layers(ROLES[role], size)


def svg_file(role):
    """The role as an SVG picture, its layers painted in order like render()'s."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (SVG_SIZE, SVG_SIZE, SVG_SIZE, SVG_SIZE)]
    lines += ["  " + shape.svg(rgb) for shape, rgb in ROLES[role]]
    lines += ["</svg>", ""]
    return "\n".join(lines).encode("ascii")


def render_layers(layers, size):
    """RGBA rows, top first, antialiased by 4 x 4 samples per pixel."""
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
                    if colour is ERASE:
                        colour = None
                    elif callable(colour):
                        colour = colour(u, v)
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


# --- Tool-bar pictures: each subject is a list of parts (kind, shape, colour name). A "body" part
# gets a dark outline in the classic family and a clear gap around it in the flat family; a
# "detail" part is drawn as it is; a "hole" part is cut out of what lies below it.

def page(x0, y0, x1, y1, fold):
    """A sheet of paper with its top right corner folded over, and the fold."""
    sheet = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    return [("body", sheet, "page"),
            ("detail", triangle((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)), "fold")]


def text_lines(x0, x1, ys, height=0.05):
    return [("detail", rect(x0, y - height / 2, x1, y + height / 2), "text") for y in ys]


def plus(cx, cy, arm, width):
    return Union(thick_line(cx - arm, cy, cx + arm, cy, width),
                 thick_line(cx, cy - arm, cx, cy + arm, width))


def cross(cx, cy, arm, width):
    return Union(thick_line(cx - arm, cy - arm, cx + arm, cy + arm, width),
                 thick_line(cx - arm, cy + arm, cx + arm, cy - arm, width))


def arrow_up(x0, y0, x1, y1, head, stem):
    """An arrow pointing up inside the box: the head is head high, the stem stem wide."""
    cx = (x0 + x1) / 2
    return polygon((cx, y0), (x1, y0 + head), (cx + stem / 2, y0 + head), (cx + stem / 2, y1),
                   (cx - stem / 2, y1), (cx - stem / 2, y0 + head), (x0, y0 + head))


def flipped(shape_points):
    return [(x, 1 - y) for x, y in shape_points]


def gear(cx, cy, r, teeth, tooth_length, tooth_width):
    tooth = [(cx - tooth_width / 2, cy - r * 0.6), (cx + tooth_width / 2, cy - r * 0.6),
             (cx + tooth_width / 2 * 0.8, cy - r - tooth_length),
             (cx - tooth_width / 2 * 0.8, cy - r - tooth_length)]
    return Union(circle(cx, cy, r),
                 *(polygon(*turned(tooth, 360 * i / teeth, cx, cy)) for i in range(teeth)))


def question_mark(cx, cy, size, width):
    """A "?" whose bowl is centred on (cx, cy) with radius size; the dot is below."""
    hook = arc(cx, cy, size, 165, -60, width, 14)
    end = (cx + size * math.cos(math.radians(-60)), cy - size * math.sin(math.radians(-60)))
    return [("detail", hook, "mark"),
            ("detail", thick_line(end[0], end[1], cx, cy + size * 1.35, width), "mark"),
            ("detail", thick_line(cx, cy + size * 1.35, cx, cy + size * 1.6, width), "mark"),
            ("detail", circle(cx, cy + size * 2.45, width * 0.62), "mark")]


def quill(tip, top, width):
    """A feather from its writing tip to its top, with a dark nib at the tip."""
    (tx, ty), (px, py) = tip, top
    dx, dy = px - tx, py - ty
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length

    def at(t, side):
        return (tx + dx * t + nx * width * side, ty + dy * t + ny * width * side)
    feather = polygon(at(0.12, 0), at(0.35, 0.55), at(0.75, 0.75), at(1.0, 0), at(0.6, -0.55),
                      at(0.3, -0.45))
    return [("body", feather, "quill"),
            ("detail", thick_line(*at(0.12, 0), *at(0.98, 0), width * 0.18), "quill_vein"),
            ("detail", thick_line(tx, ty, *at(0.14, 0), width * 0.3), "nib")]


TOOLBAR_SUBJECTS = [
    # Add: a page with a green plus.
    page(0.12, 0.04, 0.7, 0.9, 0.18) + text_lines(0.22, 0.5, (0.34, 0.48, 0.62))
    + [("body", plus(0.7, 0.7, 0.2, 0.14), "green")],
    # Add Dir: a folder with a green plus.
    [("body", Union(polygon((0.04, 0.2), (0.1, 0.13), (0.34, 0.13), (0.4, 0.2)),
                    rect(0.04, 0.2, 0.9, 0.82)), "folder_back"),
     ("body", polygon((0.04, 0.82), (0.13, 0.36), (0.97, 0.36), (0.9, 0.82)), "folder"),
     ("body", plus(0.72, 0.72, 0.2, 0.14), "green")],
    # Remove: a page with a red minus.
    page(0.12, 0.04, 0.7, 0.9, 0.18) + text_lines(0.22, 0.5, (0.34, 0.48, 0.62))
    + [("body", thick_line(0.52, 0.72, 0.9, 0.72, 0.15), "red")],
    # Remove All: a stack of pages with a red cross.
    [("body", rect(0.36, 0.04, 0.86, 0.62), "page"),
     ("body", rect(0.24, 0.14, 0.74, 0.74), "page"),
     ("body", rect(0.12, 0.24, 0.62, 0.86), "page")]
    + text_lines(0.2, 0.52, (0.38, 0.5, 0.62))
    + [("body", cross(0.74, 0.74, 0.16, 0.13), "red")],
    # Up: an arrow pointing up.
    [("body", arrow_up(0.1, 0.06, 0.9, 0.94, 0.44, 0.34), "arrow")],
    # Down: an arrow pointing down.
    [("body", polygon(*flipped(arrow_up(0.1, 0.06, 0.9, 0.94, 0.44, 0.34).points)), "arrow")],
    # Rename: a page with a quill writing on it.
    page(0.06, 0.04, 0.64, 0.9, 0.18) + text_lines(0.16, 0.44, (0.34, 0.48, 0.62))
    + quill((0.42, 0.86), (0.95, 0.06), 0.16),
    # Options: a gear.
    [("body", gear(0.5, 0.5, 0.3, 8, 0.14, 0.15), "gear"),
     ("hole", circle(0.5, 0.5, 0.12), "gear")],
    # Help: a blue badge with a white question mark.
    [("body", circle(0.5, 0.5, 0.45), "badge")] + question_mark(0.5, 0.38, 0.14, 0.11),
]

CLASSIC = {
    "page": (250, 250, 244), "fold": (212, 212, 200), "text": (140, 150, 170),
    "green": (55, 160, 45), "red": (210, 45, 35), "arrow": (45, 110, 205), "badge": (40, 100, 200),
    "mark": (255, 255, 255), "folder": (245, 180, 25), "folder_back": (200, 130, 15),
    "gear": (150, 156, 170), "quill": (70, 120, 210), "quill_vein": (30, 60, 130),
    "nib": (35, 35, 45),
}
FLAT = {
    "page": (110, 165, 235), "fold": (200, 222, 250), "text": (255, 255, 255),
    "green": (40, 190, 80), "red": (240, 70, 60), "arrow": (0, 170, 150), "badge": (30, 140, 240),
    "mark": (255, 255, 255), "folder": (255, 196, 40), "folder_back": (240, 150, 20),
    "gear": (110, 135, 160), "quill": (255, 140, 20), "quill_vein": (255, 210, 150),
    "nib": (60, 60, 70),
}


def darker(rgb, k):
    return tuple(int(c * k) for c in rgb)


def glossy(rgb, box):
    """A fill that is light at the top of box and a little darker at its foot."""
    y0, y1 = box[1], box[3]
    cache = {}

    def colour(u, v):
        t = max(0.0, min(1.0, (v - y0) / (y1 - y0)))
        step = int(t * 32)
        if step not in cache:
            light = 0.5 * (1 - step / 32) ** 2
            dark = 1 - 0.2 * step / 32
            cache[step] = tuple(int((c + (255 - c) * light) * dark) for c in rgb)
        return cache[step]
    return colour


def classic_layers(parts, size):
    outline = 1.1 / size
    layers = []
    for kind, shape, name in parts:
        rgb = CLASSIC[name]
        if kind == "body":
            layers += [(shape.grow(outline), darker(rgb, 0.45)), (shape, glossy(rgb, shape.box))]
        elif kind == "hole":
            layers += [(shape.grow(outline), darker(rgb, 0.45)), (shape, ERASE)]
        else:
            layers.append((shape, rgb))
    return layers


def flat_layers(parts, size):
    gap = 1.3 / size
    layers = []
    for kind, shape, name in parts:
        if kind == "body":
            layers += [(shape.grow(gap), ERASE), (shape, FLAT[name])]
        elif kind == "hole":
            layers.append((shape, ERASE))
        else:
            layers.append((shape, FLAT[name]))
    return layers


# --- Small pictures for the buttons under the file list, drawn on the grid of their 16 pixels:
# three rows of the list, each with its check box.

def grid(x0, y0, x1, y1):
    return rect(x0 / 16, y0 / 16, x1 / 16, y1 / 16)


def list_rows(selected, right=15):
    layers = []
    for top, on in zip((1, 6, 11), selected):
        if on:
            layers += [(grid(1, top, 5, top + 4), (25, 70, 160)),
                       (grid(2, top + 1, 4, top + 3), (70, 140, 235)),
                       (grid(6, top, right, top + 4), (50, 120, 220))]
        else:
            layers += [(grid(1, top, 5, top + 4), (105, 110, 120)),
                       (grid(2, top + 1, 4, top + 3), (255, 255, 255)),
                       (grid(6, top + 1, right, top + 3), (165, 170, 182))]
    return layers


def list_arrow(up):
    points = [(x / 16, y / 16) for x, y in
              ((8, 2), (14, 8), (10.5, 8), (10.5, 14), (5.5, 14), (5.5, 8), (2, 8))]
    shape = polygon(*(points if up else flipped(points)))
    return classic_layers([("body", shape, "arrow")], 16)


TWO_WAY = (235, 120, 20)
LIST_PICTURES = {
    "selectall": list_rows((True, True, True)),
    "deselectall": list_rows((False, False, False)),
    "invertselection": list_rows((True, False, True), right=9)
    + [(grid(12, 3, 14, 13), TWO_WAY),
       (triangle((13 / 16, 0), (9.5 / 16, 4.5 / 16), (16.5 / 16, 4.5 / 16)), TWO_WAY),
       (triangle((13 / 16, 1), (9.5 / 16, 11.5 / 16), (16.5 / 16, 11.5 / 16)), TWO_WAY)],
    "up": list_arrow(True),
    "down": list_arrow(False),
    # The filter dialog's add and remove buttons: a green plus and a red minus.
    "add": [(grid(2, 6, 14, 10), (30, 130, 50)), (grid(6, 2, 10, 14), (30, 130, 50)),
            (grid(3, 7, 13, 9), (70, 190, 90)), (grid(7, 3, 9, 13), (70, 190, 90))],
    "remove": [(grid(2, 6, 14, 10), (170, 30, 30)), (grid(3, 7, 13, 9), (230, 80, 70))],
}


# --- PNG files: 8-bit RGBA, no filtering, one zlib stream.

def png_file(rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def pictures():
    """Every PNG picture, as (path under resources/, rows)."""
    out = []
    for family, layers_of in enumerate((classic_layers, flat_layers)):
        for i, parts in enumerate(TOOLBAR_SUBJECTS):
            out.append(("toolbar/%02d.png" % (family * len(TOOLBAR_SUBJECTS) + i),
                        render_layers(layers_of(parts, 32), 32)))
    for role, name in (("Busy", "busy"), ("Idle", "idle")):
        # Qt's own naming: the @2x picture is drawn at twice the density in the same space.
        out.append(("status/%s.png" % name, render(role, 16)))
        out.append(("status/%s@2x.png" % name, render(role, 32)))
    for name, layers in LIST_PICTURES.items():
        out.append(("list/%s.png" % name, render_layers(layers, 16)))
    return out


def resource_file(paths):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">']
    lines += ["    <file>%s</file>" % path for path in paths]
    lines += ["</qresource>", "</RCC>", ""]
    return "\n".join(lines).encode("ascii")


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


def main(out):
    def write(path, data):
        os.makedirs(os.path.join(out, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(out, path), "wb") as f:
            f.write(data)

    for role in ("Busy", "Idle", "Tod", "Quillane", "Amail"):
        write(role + ".ir", icon_file(role, (16, 32)))
    write("AAA.ico", icon_file("AAA", (16, 24, 32, 48)))
    for size in THEME_SIZES:
        write("icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID),
              png_file(render("Quillane", size)))
    write("icons/hicolor/scalable/apps/%s.svg" % APP_ID, svg_file("Quillane"))
    write("tod.ctd", "\r\n".join(TIPS).encode("cp1252"))
    made = pictures()
    for path, rows in made:
        write(path, png_file(rows))
    # The program icon travels inside the executable as well as beside it.
    write("pictures.qrc", resource_file(["AAA.ico"] + [path for path, _ in made]))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else HERE)
