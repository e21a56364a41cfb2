#!/usr/bin/env python3
"""Draws the screen wall's state images and overlay icons, the DVR tree's
connection icons and the PTZ panel's arrows, and records the event alarm sound. The files are committed; run this again only to change
them:  scripts/draw-resources.py  (from the top of the repository)."""
import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMAGES = os.path.join(ROOT, "Display", "files", "images")
TREE_IMAGES = os.path.join(ROOT, "Connection", "files", "images")
PTZ_IMAGES = os.path.join(ROOT, "DVRSetup", "files", "images")
SOUND = os.path.join(ROOT, "Settings", "files", "sound")


class Canvas:
    """An RGBA picture with the few shapes the icons need."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(self.size):
            for x in range(self.size):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, colour)

    def ring(self, cx, cy, r, width, colour):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - width <= d <= r:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        for y in range(self.size):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / float(dx * dx + dy * dy)))
                if math.hypot(px - (x0 + t * dx), py - (y0 + t * dy)) <= width / 2.0:
                    self.put(x, y, colour)

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

        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(os.path.join(folder, name), "wb") as f:
            f.write(png)


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
    os.makedirs(TREE_IMAGES, exist_ok=True)
    os.makedirs(PTZ_IMAGES, exist_ok=True)
    connection_failed()
    no_authority()
    video_loss()
    record()
    motion()
    sensor()
    tree_connected()
    tree_not_connected()
    ptz_arrows()
    alarm_sound()
