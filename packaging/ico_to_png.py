#!/usr/bin/env python3
"""Turns the game's Windows icon into the PNG a Linux desktop shows, with the standard library
only. Takes the largest image of the icon: uncompressed BMP images (1, 4, 8, 24 or 32 bits per
pixel, the AND mask giving transparency) or PNG images, which are copied as they are.

Usage: ico_to_png.py ICON PNG [SCALE]   (SCALE: whole-number enlargement, nearest neighbour)
"""
import struct
import sys
import zlib


class IconError(Exception):
    pass


def largest_image(data):
    if len(data) < 6:
        raise IconError("too short for an icon")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise IconError("not an icon file")
    if len(data) < 6 + 16 * count:
        raise IconError("icon directory cut short")
    best = None
    for index in range(count):
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        width, height, size, offset = entry[0], entry[1], entry[6], entry[7]
        area = (width or 256) * (height or 256)
        if offset + size > len(data):
            raise IconError("image %d lies past the end of the file" % index)
        if best is None or area > best[0]:
            best = (area, data[offset:offset + size])
    return best[1]


def bmp_pixels(image):
    """The image as rows of (r, g, b, a), top row first."""
    if len(image) < 40:
        raise IconError("image header cut short")
    header, width, double_height, planes, bits, compression = struct.unpack_from(
        "<IiiHHI", image, 0)
    colours_used = struct.unpack_from("<I", image, 32)[0]
    if header < 40 or compression != 0 or planes != 1:
        raise IconError("unsupported image (header %d, compression %d)" % (header, compression))
    if bits not in (1, 4, 8, 24, 32):
        raise IconError("unsupported depth: %d bits" % bits)
    height = double_height // 2  # colour rows, then the mask's
    if width <= 0 or height <= 0 or width > 1024 or height > 1024:
        raise IconError("unsupported size %dx%d" % (width, height))

    palette = []
    offset = header
    if bits <= 8:
        entries = colours_used or (1 << bits)
        end = offset + 4 * entries
        if end > len(image):
            raise IconError("palette cut short")
        palette = [(image[i + 2], image[i + 1], image[i]) for i in range(offset, end, 4)]
        offset = end

    colour_stride = (width * bits + 31) // 32 * 4
    mask_stride = (width + 31) // 32 * 4
    mask_offset = offset + colour_stride * height
    if mask_offset + mask_stride * height > len(image):
        raise IconError("pixels cut short")

    rows = []
    for y in range(height - 1, -1, -1):  # stored bottom row first
        row_start = offset + y * colour_stride
        mask_start = mask_offset + y * mask_stride
        row = []
        for x in range(width):
            clear = image[mask_start + x // 8] >> (7 - x % 8) & 1
            if bits <= 8:
                per_byte = 8 // bits
                byte = image[row_start + x // per_byte]
                shift = (per_byte - 1 - x % per_byte) * bits
                index = byte >> shift & ((1 << bits) - 1)
                if index >= len(palette):
                    raise IconError("pixel names colour %d of %d" % (index, len(palette)))
                r, g, b = palette[index]
                alpha = 0 if clear else 255
            else:
                at = row_start + x * (bits // 8)
                b, g, r = image[at], image[at + 1], image[at + 2]
                alpha = image[at + 3] if bits == 32 else (0 if clear else 255)
            row.append((r, g, b, alpha))
        rows.append(row)
    return rows


def scaled(rows, factor):
    return [[pixel for pixel in row for _ in range(factor)] for row in rows for _ in range(factor)]


def png_bytes(rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def convert(icon_data, factor=1):
    image = largest_image(icon_data)
    if image.startswith(b"\x89PNG\r\n\x1a\n"):
        if factor != 1:
            raise IconError("cannot enlarge a PNG image")
        return image
    return png_bytes(scaled(bmp_pixels(image), factor))


def main(arguments):
    if len(arguments) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    factor = int(arguments[2]) if len(arguments) == 3 else 1
    if factor < 1:
        print("SCALE must be 1 or more", file=sys.stderr)
        return 2
    with open(arguments[0], "rb") as source:
        data = source.read()
    try:
        png = convert(data, factor)
    except IconError as problem:
        print("%s: %s" % (arguments[0], problem), file=sys.stderr)
        return 1
    with open(arguments[1], "wb") as target:
        target.write(png)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
