#!/usr/bin/env python3
"""Draws the four piece images and the window icon of Kordavelmix and writes them as PNG files.

Standard library only: every pixel is computed here, 4 x 4 supersampled for smooth edges, and the
PNG is written with zlib. Run from anywhere; the images land in images/ of the repository, the
same icon, drawn afresh at each size of the desktop's icon theme, in icons/hicolor/, the web
page's icons in icons/web/, and the Windows program's icon file, with the sizes and colour depths
Windows picks from, in app/win32/:

    python3 tools/make-images/make_images.py
"""

import json
import math
import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


# The facts the game's build reads as well: its desktop id and the colours of its frame.
with open(os.path.join(ROOT, "facts.json"), encoding="utf-8") as facts_file:
    FACTS = json.load(facts_file)


def source_colour(name):
    """A colour of the frame, as (red, green, blue), from facts.json."""
    value = int(FACTS["appearance"]["colours"][name][1:], 16)
    return (value >> 16, (value >> 8) & 0xFF, value & 0xFF)


PIECE_SIZE = 128
ICON_SIZE = 256
# The desktop menu's icon: its name is the application's id, in every size the hicolor theme lists.
DESKTOP_ICON_NAME = FACTS["identity"]["appId"]
DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# The web page's icons, for the browser's app list and home screen: the icon at two sizes, and one
# to be cut to a launcher's shape, whose icon keeps to the middle circle of 80 % of the side.
WEB_ICON_SIZES = (192, 512)
WEB_MASKABLE_ICON_SIZE = 512
WEB_MASKABLE_ICON_SHARE = 0.56
SUPERSAMPLE = 4
# The Windows icon's images as (side, bits per pixel): 256 colours for old displays and themes,
# then true colour with alpha. The 256-pixel true-colour image is stored as PNG, the rest as
# bitmaps.
WINDOWS_ICON_IMAGES = ((256, 8), (48, 8), (32, 8), (16, 8), (256, 32), (64, 32), (48, 32), (32, 32),
                       (16, 32))

# Colours as (red, green, blue), 0-255.
LIGHT_BODY = (244, 236, 214)
LIGHT_EDGE = (176, 158, 122)
DARK_BODY = (52, 44, 40)
DARK_EDGE = (12, 10, 9)
CROWN_GOLD = (236, 186, 48)
CROWN_OUTLINE = (96, 62, 10)
BOARD_LIGHT = source_colour("White")  # the board's light squares
BOARD_DARK = source_colour("Dark")  # the board's dark squares
PANEL = source_colour("Panel")  # the score panel's grey

# Piece geometry in units of the image side, centred at (0.5, 0.5).
BODY_RADIUS = 0.46
RIM_WIDTH = 0.035
GROOVE_RADIUS = 0.33
GROOVE_WIDTH = 0.025

# The crown of a king: a band with three points, as a polygon in image units.
CROWN = [(0.29, 0.65), (0.29, 0.39), (0.40, 0.51), (0.50, 0.33), (0.60, 0.51), (0.71, 0.39),
         (0.71, 0.65)]
CROWN_LINE = 0.022


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def inside_polygon(x, y, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def distance_to_polygon_edge(x, y, polygon):
    best = math.inf
    for i, (ax, ay) in enumerate(polygon):
        bx, by = polygon[(i + 1) % len(polygon)]
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return best


def piece_sample(x, y, body, edge, crowned):
    """Colour and coverage (0 or 1) of one sample of a piece, in image units."""
    r = math.hypot(x - 0.5, y - 0.5)
    if r > BODY_RADIUS:
        return None
    # Light falls from the top left: brighter there, darker towards the bottom right.
    light = max(-0.5, min(0.5, 0.05 - ((x - 0.5) + (y - 0.5)) * 0.9))
    colour = mix(body, (255, 255, 255), 0.5 * light) if light > 0 else mix(body, edge, -0.9 * light)
    if r > BODY_RADIUS - RIM_WIDTH or abs(r - GROOVE_RADIUS) < GROOVE_WIDTH / 2:
        colour = mix(colour, edge, 0.7)
    if crowned:
        if inside_polygon(x, y, CROWN):
            gold = mix(CROWN_GOLD, (255, 240, 170), max(0.0, 0.6 - y))
            near_edge = distance_to_polygon_edge(x, y, CROWN) < CROWN_LINE
            colour = CROWN_OUTLINE if near_edge else gold
        elif distance_to_polygon_edge(x, y, CROWN) < CROWN_LINE / 2:
            colour = CROWN_OUTLINE
    return colour


def render(size, sample):
    """Averages SUPERSAMPLE^2 samples per pixel into straight-alpha RGBA rows."""
    rows = []
    step = 1.0 / (size * SUPERSAMPLE)
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px * SUPERSAMPLE + sx + 0.5) * step
                    y = (py * SUPERSAMPLE + sy + 0.5) * step
                    colour = sample(x, y)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered == 0:
                row += bytes(4)
            else:
                alpha = round(255 * covered / SUPERSAMPLE**2)
                row += bytes(round(total[i] / covered) for i in range(3)) + bytes([alpha])
        rows.append(bytes(row))
    return rows


def png_bytes(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def write_png(path, size, rows):
    with open(path, "wb") as out:
        out.write(png_bytes(size, rows))


def median_cut(colours, count):
    """A palette of at most count colours for the {colour: pixels} histogram, a colour being
    (r, g, b) or (r, g, b, a): the box of colours with the widest spread is split at its median,
    channel by channel, until there are enough."""
    boxes = [list(colours.items())]
    channels = range(len(next(iter(colours))))

    def spread(box):
        return max(max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in channels)

    while len(boxes) < count:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=spread)
        boxes.remove(box)
        channel = max(channels, key=lambda i: max(c[i] for c, _ in box) - min(c[i] for c, _ in box))
        box.sort(key=lambda item: item[0][channel])
        half, seen, cut = sum(n for _, n in box) / 2, 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            seen += n
            cut = i + 1
            if seen >= half:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[i] * n for c, n in box) / total) for i in channels))
    return palette


def indexed_png_bytes(size, rows):
    """The picture as a PNG of at most 256 colours with their alpha, a third of the true-colour
    file's size for a web page to load: entry 0 is the fully transparent colour, the rest a
    median-cut palette of the other pixels."""
    pixels = [[tuple(row[4 * x:4 * x + 4]) for x in range(size)] for row in rows]
    histogram = {}
    for line in pixels:
        for colour in line:
            if colour[3] > 0:
                histogram[colour] = histogram.get(colour, 0) + 1
    palette = [(0, 0, 0, 0)] + median_cut(histogram, 255)
    nearest = {}

    def index(colour):
        if colour[3] == 0:
            return 0
        if colour not in nearest:
            nearest[colour] = min(range(1, len(palette)), key=lambda i: sum(
                (palette[i][c] - colour[c]) ** 2 for c in range(4)))
        return nearest[colour]

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)  # 8-bit palette indices
    raw = b"".join(b"\x00" + bytes(index(colour) for colour in line) for line in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"PLTE", b"".join(bytes(c[:3]) for c in palette)) +
            chunk(b"tRNS", bytes(c[3] for c in palette)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp_icon_image(size, rows, bits):
    """An icon image as Windows stores it: a bitmap header of twice the height, the colours from
    the bottom row up (8 bits through a palette, or 32 bits with alpha), then the 1-bit mask that
    marks the transparent pixels."""
    def padded(row):
        return row + bytes(-len(row) % 4)

    opaque = [[row[4 * x + 3] >= 128 for x in range(size)] for row in rows]
    if bits == 8:
        histogram = {}
        for y, row in enumerate(rows):
            for x in range(size):
                if opaque[y][x]:
                    colour = tuple(row[4 * x:4 * x + 3])
                    histogram[colour] = histogram.get(colour, 0) + 1
        # Entry 0 is black, the colour under the mask's transparent pixels.
        palette = [(0, 0, 0)] + median_cut(histogram, 255)
        palette += [(0, 0, 0)] * (256 - len(palette))
        nearest = {}

        def index(colour):
            if colour not in nearest:
                nearest[colour] = min(range(1, 256), key=lambda i: sum(
                    (palette[i][c] - colour[c]) ** 2 for c in range(3)))
            return nearest[colour]

        colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        pixels = b"".join(padded(bytes(
            index(tuple(row[4 * x:4 * x + 3])) if opaque[y][x] else 0 for x in range(size)))
            for y, row in reversed(list(enumerate(rows))))
    else:
        colour_table = b""
        pixels = b"".join(bytes(v for x in range(size) for v in (
            row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3])) for row in reversed(rows))
    mask = b""
    for y in reversed(range(size)):
        bits_row = bytearray((size + 7) // 8)
        for x in range(size):
            if not opaque[y][x]:
                bits_row[x // 8] |= 0x80 >> (x % 8)
        mask += padded(bytes(bits_row))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(pixels) + len(mask),
                         0, 0, 256 if bits == 8 else 0, 0)
    return header + colour_table + pixels + mask


def write_ico(path, images):
    """An .ico file of the (side, bits, bytes) images, in the order given."""
    offset = 6 + 16 * len(images)
    directory, data = b"", b""
    for size, bits, image in images:
        side = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, bits, len(image), offset + len(data))
        data += image
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + directory + data)


def icon_sample(x, y):
    """A corner of the board, 2 x 2 squares with rounded corners, a light king and a dark man."""
    corner = 0.12
    cx, cy = min(max(x, corner), 1 - corner), min(max(y, corner), 1 - corner)
    if math.hypot(x - cx, y - cy) > corner:
        return None
    dark_square = (x >= 0.5) != (y >= 0.5)
    colour = BOARD_DARK if dark_square else BOARD_LIGHT
    if dark_square:
        left, top = (0.5, 0.0) if x >= 0.5 else (0.0, 0.5)
        inner = piece_sample((x - left) * 2, (y - top) * 2, *(
            (DARK_BODY, DARK_EDGE, False) if top == 0.0 else (LIGHT_BODY, LIGHT_EDGE, True)))
        if inner is not None:
            colour = inner
    return colour


def maskable_sample(x, y):
    """The icon for a launcher that cuts it to a shape of its own (a circle, a rounded square): the
    panel's grey to every edge, and the icon within the circle in the middle that every shape
    keeps."""
    inset = (1 - WEB_MASKABLE_ICON_SHARE) / 2
    inner = icon_sample((x - inset) / WEB_MASKABLE_ICON_SHARE, (y - inset) / WEB_MASKABLE_ICON_SHARE)
    return PANEL if inner is None else inner


def main():
    root = ROOT
    images = os.path.join(root, "images")
    os.makedirs(images, exist_ok=True)
    # Each piece image under the game's name for it, with its file as facts.json names it.
    pieces = {
        "iwhite": (LIGHT_BODY, LIGHT_EDGE, False),
        "iKwhite": (LIGHT_BODY, LIGHT_EDGE, True),
        "iblack": (DARK_BODY, DARK_EDGE, False),
        "iKblack": (DARK_BODY, DARK_EDGE, True),
    }
    for name, look in pieces.items():
        rows = render(PIECE_SIZE, lambda x, y, look=look: piece_sample(x, y, *look))
        write_png(os.path.join(root, FACTS["appearance"]["pieceImages"][name]), PIECE_SIZE, rows)
    icons = {}

    def icon(size):
        if size not in icons:
            icons[size] = render(size, icon_sample)
        return icons[size]

    write_png(os.path.join(images, "kordavelmix.png"), ICON_SIZE, icon(ICON_SIZE))
    for size in DESKTOP_ICON_SIZES:
        folder = os.path.join(root, "icons", "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        write_png(os.path.join(folder, DESKTOP_ICON_NAME + ".png"), size, icon(size))
    web = os.path.join(root, "icons", "web")
    os.makedirs(web, exist_ok=True)
    for size in WEB_ICON_SIZES:
        with open(os.path.join(web, f"kordavelmix-{size}.png"), "wb") as out:
            out.write(indexed_png_bytes(size, icon(size)))
    with open(os.path.join(web, f"kordavelmix-maskable-{WEB_MASKABLE_ICON_SIZE}.png"), "wb") as out:
        out.write(indexed_png_bytes(WEB_MASKABLE_ICON_SIZE,
                                    render(WEB_MASKABLE_ICON_SIZE, maskable_sample)))
    write_ico(os.path.join(root, "app", "win32", "kordavelmix.ico"), [
        (size, bits, png_bytes(size, icon(size)) if (size, bits) == (256, 32) else
         bmp_icon_image(size, icon(size), bits)) for size, bits in WINDOWS_ICON_IMAGES])


if __name__ == "__main__":
    main()
