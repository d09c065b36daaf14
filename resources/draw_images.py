#!/usr/bin/env python3
"""Draws the console's logo (124 x 59) and window icon (32 x 32) as PNG files.

Run from this folder: python3 draw_images.py
"""
import struct
import zlib

FONT = {  # 5 x 7 bitmap letters
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'N': ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'F': ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
}

BLUE = (20, 60, 140, 255)
GREEN = (0, 128, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def canvas(width, height, colour=CLEAR):
    return [[colour] * width for _ in range(height)]


def rectangle(pixels, left, top, width, height, colour, radius=0):
    for y in range(top, top + height):
        for x in range(left, left + width):
            dx = max(left + radius - x, 0, x - (left + width - 1 - radius))
            dy = max(top + radius - y, 0, y - (top + height - 1 - radius))
            if dx * dx + dy * dy <= radius * radius:
                pixels[y][x] = colour


def text(pixels, left, top, word, colour, scale):
    for index, letter in enumerate(word):
        for row, bits in enumerate(FONT[letter]):
            for column, bit in enumerate(bits):
                if bit == '1':
                    rectangle(pixels, left + (index * 6 + column) * scale, top + row * scale,
                              scale, scale, colour)


def save(name, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b''.join(b'\0' + b''.join(struct.pack('4B', *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xffffffff)

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    with open(name, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                  + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


logo = canvas(124, 59)
rectangle(logo, 0, 0, 124, 59, BLUE, radius=8)
text(logo, 8, 8, 'VANTEL', WHITE, 3)
rectangle(logo, 8, 36, 108, 3, GREEN)
text(logo, 44, 43, 'MFE', WHITE, 2)
save('logo.png', logo)

icon = canvas(32, 32)
rectangle(icon, 0, 0, 32, 32, BLUE, radius=6)
text(icon, 6, 5, 'V', WHITE, 3)
rectangle(icon, 4, 27, 24, 2, GREEN)
save('icon.png', icon)
