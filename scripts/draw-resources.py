#!/usr/bin/env python3
"""Draws the screen wall's state images and overlay icons, the DVR tree's
group, DVR, camera and connection icons, the PTZ panel's arrows, the search time line's bars and
cursor, the main window's logo, button icons and style-sheet arrows, the
E-Map's map and recording camera icons, and records the event alarm sound. The files are committed; run this
again only to change them:  scripts/draw-resources.py  (from the top of the repository)."""
import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMAGES = os.path.join(ROOT, "Display", "files", "images")
TREE_IMAGES = os.path.join(ROOT, "Connection", "files", "images")
PTZ_IMAGES = os.path.join(ROOT, "DVRSetup", "files", "images")
SOUND = os.path.join(ROOT, "Settings", "files", "sound")
SETTINGS_IMAGES = os.path.join(ROOT, "Settings", "files", "images")
TIME_LINE = os.path.join(ROOT, "Recording", "Resources")
VIEWER_IMAGES = os.path.join(ROOT, "viewer", "files", "images")
QSS_IMAGES = os.path.join(ROOT, "viewer", "files", "qss", "images")
PLAYBACK = os.path.join(ROOT, "Recording", "files", "images")
EMAP_IMAGES = os.path.join(ROOT, "EMap", "files", "images")


class Canvas:
    """An RGBA picture with the few shapes the icons need."""

    def __init__(self, size, height=None, colour=(0, 0, 0, 0)):
        self.size = size
        self.height = size if height is None else height
        self.px = [[colour] * size for _ in range(self.height)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(self.height):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, colour)

    def ring(self, cx, cy, r, width, colour):
        for y in range(self.height):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - width <= d <= r:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        for y in range(self.height):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / float(dx * dx + dy * dy)))
                if math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= width / 2.0:
                    self.put(x, y, colour)

    def outline(self, x0, y0, x1, y1, width, colour):
        self.rect(x0, y0, x1, y0 + width - 1, colour)
        self.rect(x0, y1 - width + 1, x1, y1, colour)
        self.rect(x0, y0, x0 + width - 1, y1, colour)
        self.rect(x1 - width + 1, y0, x1, y1, colour)

    def grid(self, x0, y0, x1, y1, cells, colour):
        # A square grid of cells x cells with 1-pixel lines.
        for i in range(cells + 1):
            x = x0 + round(i * (x1 - x0) / cells)
            y = y0 + round(i * (y1 - y0) / cells)
            self.rect(x, y0, x, y1, colour)
            self.rect(x0, y, x1, y, colour)

    def cell(self, x0, y0, x1, y1, cells, column, row, colour):
        left = x0 + round(column * (x1 - x0) / cells) + 1
        right = x0 + round((column + 1) * (x1 - x0) / cells) - 1
        top = y0 + round(row * (y1 - y0) / cells) + 1
        bottom = y0 + round((row + 1) * (y1 - y0) / cells) - 1
        self.rect(left, top, right, bottom, colour)

    def digits(self, x, y, text, colour):
        """Writes decimal digits in a 3 x 5 pixel font, one blank column apart."""
        for i, digit in enumerate(text):
            for row, bits in enumerate(DIGITS[digit]):
                for col in range(3):
                    if bits >> (2 - col) & 1:
                        self.put(x + 4 * i + col, y + row, colour)
    def triangle(self, a, b, c, colour):
        def side(p, q, x, y):
            return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

        for y in range(self.size):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                d = (side(a, b, px, py), side(b, c, px, py), side(c, a, px, py))
                if min(d) >= 0 or max(d) <= 0:
                    self.put(x, y, colour)

    def save(self, name, folder=IMAGES):
        raw = b"".join(b"\x00" + b"".join(struct.pack("4B", *p) for p in row) for row in self.px)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.size, self.height, 8, 6, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(os.path.join(folder, name), "wb") as f:
            f.write(png)


# Rows of three pixels, high bit left.
DIGITS = {
    "0": (7, 5, 5, 5, 7), "1": (2, 6, 2, 2, 7), "2": (7, 1, 7, 4, 7), "3": (7, 1, 7, 1, 7), "4": (5, 5, 7, 1, 1),
    "5": (7, 4, 7, 1, 7), "6": (7, 4, 7, 5, 7), "7": (7, 1, 1, 1, 1), "8": (7, 5, 7, 5, 7), "9": (7, 5, 7, 1, 7),
}

WHITE = (255, 255, 255, 255)
GREY = (150, 150, 150, 255)
RED = (230, 30, 30, 255)
GREEN = (40, 210, 40, 255)
ORANGE = (255, 130, 0, 255)
YELLOW = (250, 210, 40, 255)


def connection_failed():
    # Two link halves pulled apart with a red cross between them.
    c = Canvas(32)
    c.rect(2, 13, 10, 18, GREY)
    c.rect(21, 13, 29, 18, GREY)
    c.line(11, 10, 20, 21, 3, RED)
    c.line(20, 10, 11, 21, 3, RED)
    c.save("ConnectionFailed.png")


def no_authority():
    # A padlock.
    c = Canvas(32)
    c.ring(16, 12, 8, 3, GREY)
    c.rect(7, 14, 24, 28, YELLOW)
    c.rect(15, 18, 16, 24, (60, 60, 60, 255))
    c.save("NoAuthority.png")


def video_loss():
    # A camera struck through.
    c = Canvas(32)
    c.rect(4, 11, 21, 22, GREY)
    c.line(22, 16, 28, 11, 3, GREY)
    c.line(22, 16, 28, 21, 3, GREY)
    c.line(4, 27, 28, 5, 3, RED)
    c.save("VideoLoss.png")


def record():
    c = Canvas(16)
    c.disc(8, 8, 6, RED)
    c.ring(8, 8, 7, 1, WHITE)
    c.save("record.png")


def motion():
    # Three arcs of movement beside a dot.
    c = Canvas(16)
    c.disc(4, 8, 3, GREEN)
    c.line(9, 3, 14, 3, 2, GREEN)
    c.line(9, 8, 15, 8, 2, GREEN)
    c.line(9, 13, 14, 13, 2, GREEN)
    c.save("motion.png")


def sensor():
    # A lightning bolt.
    c = Canvas(16)
    c.line(10, 1, 5, 8, 3, ORANGE)
    c.line(5, 8, 11, 8, 3, ORANGE)
    c.line(11, 8, 6, 15, 3, ORANGE)
    c.save("sensor.png")


def tree_group():
    # Two DVR boxes stacked, the back one darker.
    c = Canvas(16)
    c.rect(3, 2, 15, 7, (100, 100, 100, 255))
    c.rect(0, 7, 12, 13, GREY)
    c.rect(2, 9, 4, 11, YELLOW)
    c.save("group.png", TREE_IMAGES)


def tree_dvr():
    # A DVR box with a dark lamp: not connected.
    c = Canvas(16)
    c.rect(1, 5, 14, 11, GREY)
    c.disc(11, 8, 2.5, (70, 70, 70, 255))
    c.save("dvr.png", TREE_IMAGES)


def camera_canvas():
    # A camera body with its lens hood to the left, on a short stand.
    c = Canvas(16)
    c.rect(4, 4, 14, 9, GREY)
    c.rect(1, 3, 3, 10, (100, 100, 100, 255))
    c.rect(9, 10, 10, 14, GREY)
    c.disc(12, 6.5, 1.2, (60, 120, 220, 255))
    return c


def tree_camera():
    camera_canvas().save("camera.png", TREE_IMAGES)


def tree_connected():
    # A DVR box with a green lamp.
    c = Canvas(16)
    c.rect(1, 5, 14, 11, GREY)
    c.disc(11, 8, 2.5, GREEN)
    c.save("connected.png", TREE_IMAGES)


def tree_not_connected():
    # A DVR box with a red cross over it.
    c = Canvas(16)
    c.rect(1, 5, 14, 11, GREY)
    c.line(4, 3, 12, 13, 2.5, RED)
    c.line(12, 3, 4, 13, 2.5, RED)
    c.save("notConnected.png", TREE_IMAGES)


# The search time line. Its widgets take their size from these pictures and
# fill the white cells: an hour at x 1 + 18 h, 17 x 15 from y 16; a minute
# m = 5 g + k of channel row c at x 1 + 35 g + 7 k, 7 wide (6 for k = 4)
# and 14 high from y 16 + 15 c. The top 16 rows carry the labels.
FRAME = (96, 96, 96, 255)
BAND = (224, 224, 224, 255)
MINUTE_LINE = (228, 228, 228, 255)
LABEL = (40, 40, 40, 255)
CURSOR = (20, 40, 200, 255)


def hour_bar():
    c = Canvas(433, 31, BAND)
    for h in range(24):
        left = 1 + 18 * h
        c.rect(left, 16, left + 16, 30, WHITE)
        c.digits(left + 1, 6, str(h), LABEL)
    for h in range(25):
        c.rect(18 * h, 13, 18 * h, 30, FRAME)
    c.save("Hour.png", TIME_LINE)


def minute_grid():
    c = Canvas(421, 256, BAND)
    for row in range(16):
        top = 16 + 15 * row
        c.rect(1, top, 419, top + 13, WHITE)
        c.rect(0, top + 14, 420, top + 14, FRAME)
        for minute in range(60):
            if minute % 5:
                x = 1 + 7 * minute
                c.rect(x, top, x, top + 13, MINUTE_LINE)
    for group in range(13):
        c.rect(35 * group, 11, 35 * group, 255, FRAME)
        if group < 12:
            c.digits(35 * group + 2, 5, str(5 * group), LABEL)
    c.rect(0, 15, 420, 15, FRAME)
    c.save("TimeLine.png", TIME_LINE)


def minute_cursor():
    # A pointer over the labels and a line down the minute's cell, clear of
    # the cell's left columns so the recording under it stays visible.
    c = Canvas(7, 340)
    for y in range(4):
        c.rect(y, 8 + y, 6 - y, 8 + y, CURSOR)
    c.rect(3, 8, 3, 339, CURSOR)
    c.save("slider.png", TIME_LINE)


def ptz_arrows():
    # One white arrow head per direction, pointing away from the centre.
    tips = {
        "up.png": ((8, 2), (2, 12), (14, 12)),
        "down.png": ((8, 14), (2, 4), (14, 4)),
        "left.png": ((2, 8), (12, 2), (12, 14)),
        "right.png": ((14, 8), (4, 2), (4, 14)),
    }
    for name, corners in tips.items():
        c = Canvas(16)
        c.triangle(*corners, WHITE)
        c.save(name, PTZ_IMAGES)


# The main window: logo, title-bar buttons, layout and function buttons (drawn
# light on the grey buttons), and the style sheet's arrows.
LIGHT = (250, 250, 250, 255)
DARK = (60, 60, 60, 255)
BLUE = (51, 126, 207, 255)
SHADOW = (40, 70, 110, 255)

LOGO_FONT = {
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
}


def logo():
    # "QELM" in block letters with a drop shadow.
    c = Canvas(246, 122)
    scale, gap, top = 10, 12, 26
    left = (246 - (4 * 5 * scale + 3 * gap)) // 2
    for colour, offset in ((SHADOW, 4), (BLUE, 0)):
        for i, letter in enumerate("QELM"):
            x0 = left + i * (5 * scale + gap) + offset
            for row, bits in enumerate(LOGO_FONT[letter]):
                for column, bit in enumerate(bits):
                    if bit == "1":
                        x, y = x0 + column * scale, top + row * scale + offset
                        c.rect(x, y, x + scale - 1, y + scale - 1, colour)
    c.save("logo.png", VIEWER_IMAGES)


def title_buttons():
    c = Canvas(16)
    c.rect(3, 11, 12, 12, LIGHT)
    c.save("Minimize.png", VIEWER_IMAGES)
    c = Canvas(16)
    c.outline(2, 2, 13, 13, 2, LIGHT)
    c.save("Maximize.png", VIEWER_IMAGES)
    c = Canvas(16)
    c.outline(5, 2, 13, 10, 1, LIGHT)
    c.rect(2, 6, 10, 13, (0, 0, 0, 0))
    c.outline(2, 6, 10, 13, 2, LIGHT)
    c.save("Restore.png", VIEWER_IMAGES)
    c = Canvas(16)
    c.line(3, 3, 13, 13, 2.5, LIGHT)
    c.line(13, 3, 3, 13, 2.5, LIGHT)
    c.save("Exit.png", VIEWER_IMAGES)


def layout_buttons():
    # A grid of the layout's screens; the shown part of the channels in blue.
    for name, cells, marked in (
        ("Screen4_0.png", 2, [(0, 0)]),
        ("Screen4_4.png", 2, [(1, 0)]),
        ("Screen4_8.png", 2, [(0, 1)]),
        ("Screen4_12.png", 2, [(1, 1)]),
        ("Screen9_0.png", 3, [(0, 0)]),
        ("Screen9_7.png", 3, [(2, 2)]),
        ("Screen16.png", 4, []),
    ):
        c = Canvas(16)
        for column, row in marked:
            c.cell(1, 1, 14, 14, cells, column, row, BLUE)
        c.grid(1, 1, 14, 14, cells, LIGHT)
        c.save(name, VIEWER_IMAGES)
    c = Canvas(16)
    c.ring(8, 8, 6.5, 2, LIGHT)
    c.rect(8, 0, 15, 6, (0, 0, 0, 0))
    c.triangle((9, 0), (15, 4), (9, 8), LIGHT)
    c.save("ScreenSeq.png", VIEWER_IMAGES)
    c = Canvas(16)
    for x0, y0, dx, dy in ((1, 1, 1, 1), (14, 1, -1, 1), (1, 14, 1, -1), (14, 14, -1, -1)):
        c.line(x0, y0, x0 + 5 * dx, y0, 2, LIGHT)
        c.line(x0, y0, x0, y0 + 5 * dy, 2, LIGHT)
    c.save("fullscreen.png", VIEWER_IMAGES)


def function_buttons():
    c = Canvas(24)
    c.ring(10, 10, 7.5, 2.5, LIGHT)
    c.line(15, 15, 21, 21, 3.5, LIGHT)
    c.line(7, 10, 13, 10, 2, LIGHT)
    c.line(10, 7, 10, 13, 2, LIGHT)
    c.save("zoom.png", VIEWER_IMAGES)
    c = Canvas(24)
    c.rect(2, 7, 21, 19, LIGHT)
    c.rect(7, 4, 13, 7, LIGHT)
    c.disc(12, 13, 4.5, DARK)
    c.disc(12, 13, 2.5, LIGHT)
    c.save("capture.png", VIEWER_IMAGES)
    c = Canvas(24)
    c.outline(2, 3, 21, 16, 2, LIGHT)
    c.rect(9, 17, 14, 19, LIGHT)
    c.rect(6, 20, 17, 21, LIGHT)
    c.disc(11.5, 9.5, 3.5, RED)
    c.save("PCRecord.png", VIEWER_IMAGES)
    c = Canvas(24)
    c.rect(1, 8, 22, 17, LIGHT)
    c.rect(4, 14, 13, 15, DARK)
    c.disc(18, 12, 3, RED)
    c.save("DVRRecord.png", VIEWER_IMAGES)
    c = Canvas(24)
    c.rect(2, 5, 10, 8, LIGHT)
    c.rect(2, 7, 21, 19, LIGHT)
    c.rect(4, 10, 19, 17, YELLOW)
    c.save("selectDir.png", VIEWER_IMAGES)
    c = Canvas(24)
    c.outline(1, 2, 16, 15, 2, LIGHT)
    c.triangle((3, 13), (8, 7), (12, 13), GREEN)
    c.disc(12, 6, 1.5, YELLOW)
    c.ring(16, 15, 5, 2, LIGHT)
    c.line(19, 18, 23, 22, 3, LIGHT)
    c.save("search_image.png", VIEWER_IMAGES)


def pc_setup_menu():
    # 48 x 48 entries of the PC setup dialog's page list: a gear, and an "i".
    c = Canvas(48)
    for i in range(8):
        a = i * math.pi / 4
        c.line(24 + 9 * math.cos(a), 24 + 9 * math.sin(a), 24 + 20 * math.cos(a), 24 + 20 * math.sin(a), 7, BLUE)
    c.disc(24, 24, 15, BLUE)
    c.disc(24, 24, 6.5, LIGHT)
    c.save("ViewerSetup.png", SETTINGS_IMAGES)
    c = Canvas(48)
    c.disc(24, 24, 21, BLUE)
    c.disc(24, 13.5, 3.5, LIGHT)
    c.rect(21, 20, 26, 36, LIGHT)
    c.rect(18, 20, 21, 22, LIGHT)
    c.rect(18, 34, 29, 36, LIGHT)
    c.save("ViewerInfo.png", SETTINGS_IMAGES)


def style_arrows():
    for name, points in (
        ("down_arrow.png", ((1, 3), (9, 3), (5, 8))),
        ("up_arrow.png", ((1, 7), (9, 7), (5, 2))),
        ("left_arrow.png", ((7, 1), (7, 9), (2, 5))),
        ("right_arrow.png", ((3, 1), (3, 9), (8, 5))),
    ):
        c = Canvas(10)
        c.triangle(*points, DARK)
        c.save(name, QSS_IMAGES)


# The playback buttons: 20 x 20 glyphs in the colour of the live icons.
GLYPH = (50, 60, 80, 255)


def arrow(c, tip, base, colour):
    """A triangle over the icon's middle rows, its tip at the column `tip`
    and its base at the column `base`."""
    width = abs(base - tip)
    step = 1 if base > tip else -1
    for i in range(width + 1):
        half = i * 7 // width
        c.rect(tip + step * i, 10 - half, tip + step * i, 9 + half, colour)


def playback_buttons():
    shapes = {
        "RevPlayback.png": lambda c: arrow(c, 5, 15, GLYPH),
        "Playback.png": lambda c: arrow(c, 15, 5, GLYPH),
        "Pause.png": lambda c: (c.rect(5, 3, 8, 16, GLYPH), c.rect(11, 3, 14, 16, GLYPH)),
        "Stop.png": lambda c: c.rect(4, 4, 15, 15, GLYPH),
        "PFrame.png": lambda c: (c.rect(3, 3, 5, 16, GLYPH), arrow(c, 7, 15, GLYPH)),
        "NFrame.png": lambda c: (arrow(c, 12, 4, GLYPH), c.rect(14, 3, 16, 16, GLYPH)),
        "Slow.png": lambda c: (arrow(c, 2, 10, GLYPH), arrow(c, 10, 18, GLYPH)),
        "Fast.png": lambda c: (arrow(c, 10, 2, GLYPH), arrow(c, 18, 10, GLYPH)),
    }
    for name, draw in shapes.items():
        c = Canvas(20)
        draw(c)
        c.save(name, PLAYBACK)


# The E-Map: the map tree's map icons, and the recording camera on a map.
# Its group icon and plain camera are the DVR tree's pictures: one picture
# per resource name.
PAPER = (236, 228, 196, 255)
FOLD = (196, 184, 140, 255)
ROAD = (120, 120, 120, 255)


def emap_tree_icons():
    def map_sheet():
        m = Canvas(16)
        m.rect(1, 2, 14, 13, PAPER)
        m.rect(5, 2, 5, 13, FOLD)
        m.rect(10, 2, 10, 13, FOLD)
        m.line(2, 11, 13, 5, 1.5, ROAD)
        return m

    map_sheet().save("map.png", EMAP_IMAGES)
    c = map_sheet()
    c.disc(11.5, 11.5, 3.5, GREEN)
    c.save("connected_map.png", EMAP_IMAGES)
    c = map_sheet()
    c.outline(0, 0, 15, 15, 2, BLUE)
    c.disc(11.5, 11.5, 3.5, BLUE)
    c.save("selected_map_view.png", EMAP_IMAGES)
    c = map_sheet()
    c.outline(0, 0, 15, 15, 2, ORANGE)
    c.line(7, 14, 14, 7, 3, ORANGE)
    c.save("selected_map_edit.png", EMAP_IMAGES)


def emap_record_camera():
    c = camera_canvas()
    c.disc(3.5, 12.5, 3, RED)
    c.save("camera_record.png", EMAP_IMAGES)


def alarm_sound():
    # About half a second of a two-tone chime: unsigned 8-bit mono at 22,050 Hz.
    rate, count = 22050, 11554
    samples = bytearray()
    for i in range(count):
        t = i / rate
        tone = 880.0 if (i * 4 // count) % 2 == 0 else 1175.0
        envelope = min(1.0, i / 200.0, (count - i) / 400.0)
        samples.append(int(128 + 90 * envelope * math.sin(2 * math.pi * tone * t)))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    riff = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", count) + bytes(samples)
    with open(os.path.join(SOUND, "AlarmSound.wav"), "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(riff)) + riff)


if __name__ == "__main__":
    os.makedirs(IMAGES, exist_ok=True)
    os.makedirs(SOUND, exist_ok=True)
    os.makedirs(SETTINGS_IMAGES, exist_ok=True)
    os.makedirs(TREE_IMAGES, exist_ok=True)
    os.makedirs(TIME_LINE, exist_ok=True)
    os.makedirs(PTZ_IMAGES, exist_ok=True)
    os.makedirs(VIEWER_IMAGES, exist_ok=True)
    os.makedirs(QSS_IMAGES, exist_ok=True)
    os.makedirs(PLAYBACK, exist_ok=True)
    os.makedirs(EMAP_IMAGES, exist_ok=True)
    connection_failed()
    no_authority()
    video_loss()
    record()
    motion()
    sensor()
    tree_group()
    tree_dvr()
    tree_camera()
    tree_connected()
    tree_not_connected()
    ptz_arrows()
    alarm_sound()
    hour_bar()
    minute_grid()
    minute_cursor()
    logo()
    title_buttons()
    layout_buttons()
    function_buttons()
    style_arrows()
    playback_buttons()
    pc_setup_menu()
    emap_tree_icons()
    emap_record_camera()
