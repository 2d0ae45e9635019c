#!/usr/bin/env python3
"""The icon converter against icons built here pixel by pixel, read back through a PNG reader
of this file's own; and the game's real icon. Usage: ico_to_png_test.py REPOSITORY"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

REPOSITORY = sys.argv.pop(1) if len(sys.argv) > 1 else os.getcwd()
CONVERTER = os.path.join(REPOSITORY, "packaging", "ico_to_png.py")
GAME_ICON = os.path.join(REPOSITORY, "assets", "art", "dynamite_burst.ico")
sys.path.insert(0, os.path.dirname(CONVERTER))
import ico_to_png  # noqa: E402

CLEAR = None  # a transparent pixel in the pictures below
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp_image(picture, bits, palette=PALETTE):
    """An icon image of the picture (rows of palette indices or RGB(A) tuples, top row first)."""
    height, width = len(picture), len(picture[0])
    colour_rows, mask_rows = [], []
    for row in reversed(picture):
        if bits <= 8:
            packed, value, used = bytearray(), 0, 0
            for pixel in row:
                value = value << bits | (0 if pixel is CLEAR else pixel)
                used += bits
                if used == 8:
                    packed.append(value)
                    value, used = 0, 0
            if used:
                packed.append(value << (8 - used))
        else:
            packed = bytearray()
            for pixel in row:
                r, g, b, a = (0, 0, 0, 0) if pixel is CLEAR else (tuple(pixel) + (255,))[:4]
                packed += bytes((b, g, r, a) if bits == 32 else (b, g, r))
        colour_rows.append(bytes(packed) + b"\0" * (-len(packed) % 4))
        mask = bytearray((width + 7) // 8)
        for x, pixel in enumerate(row):
            if pixel is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask) + b"\0" * (-len(mask) % 4))
    colours = palette if bits <= 8 else []
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, 0, 0, 0,
                         len(colours), 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    return header + table + b"".join(colour_rows) + b"".join(mask_rows)


def icon_file(*images):
    """An icon file holding (width, height, image bytes) entries in that order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for width, height, image in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 0, len(image),
                                 offset + len(body))
        body += image
    return directory + body


def read_png(data):
    """The RGBA rows of an 8-bit RGBA PNG whose rows all use filter 0."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "no PNG signature"
    at, chunks = 8, {}
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        crc = struct.unpack_from(">I", data, at + 8 + length)[0]
        assert zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "bad CRC in %r" % kind
        chunks[kind] = chunks.get(kind, b"") + body
        at += 12 + length
    assert b"IEND" in chunks
    width, height, depth, colour_type = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    assert (depth, colour_type) == (8, 6), "not 8-bit RGBA"
    raw = zlib.decompress(chunks[b"IDAT"])
    stride = 1 + 4 * width
    assert len(raw) == stride * height
    rows = []
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        assert line[0] == 0, "unexpected filter"
        rows.append([tuple(line[i:i + 4]) for i in range(1, stride, 4)])
    return rows


def expected_rgba(picture, palette=PALETTE):
    def rgba(pixel):
        if pixel is CLEAR:
            return None
        if isinstance(pixel, int):
            return palette[pixel] + (255,)
        return (tuple(pixel) + (255,))[:4]
    return [[rgba(pixel) for pixel in row] for row in picture]


class Conversion(unittest.TestCase):
    def assertPicture(self, png, picture, palette=PALETTE):
        rows = read_png(png)
        want = expected_rgba(picture, palette)
        self.assertEqual((len(rows[0]), len(rows)), (len(want[0]), len(want)))
        for y, (got_row, want_row) in enumerate(zip(rows, want)):
            for x, (got, wanted) in enumerate(zip(got_row, want_row)):
                if wanted is None:
                    self.assertEqual(got[3], 0, "(%d, %d) should be clear" % (x, y))
                else:
                    self.assertEqual(got, wanted, "pixel (%d, %d)" % (x, y))

    def test_palette_depths_keep_colours_order_and_transparency(self):
        # Odd widths, so rows end inside a byte and need padding; no two rows alike.
        four = [[(x + 3 * y) % 16 for x in range(7)] for y in range(5)]
        four[0][0] = four[4][6] = four[2][3] = CLEAR
        self.assertPicture(ico_to_png.convert(icon_file((7, 5, bmp_image(four, 4)))), four)

        eight = [[(5 * x + y) % 16 for x in range(3)] for y in range(4)]
        eight[3][0] = CLEAR
        self.assertPicture(ico_to_png.convert(icon_file((3, 4, bmp_image(eight, 8)))), eight)

        one = [[(x + y) % 2 for x in range(9)] for y in range(2)]
        one[1][8] = CLEAR
        two_colours = [(10, 20, 30), (200, 210, 220)]
        image = bmp_image(one, 1, two_colours)
        self.assertPicture(ico_to_png.convert(icon_file((9, 2, image))), one, two_colours)

    def test_true_colour_uses_alpha_or_the_mask(self):
        rgb = [[(x * 40, y * 60, 7) for x in range(5)] for y in range(3)]
        rgb[1][2] = CLEAR
        self.assertPicture(ico_to_png.convert(icon_file((5, 3, bmp_image(rgb, 24)))), rgb)

        rgba = [[(x * 40, y * 60, 7, 50 * x + 10) for x in range(5)] for y in range(3)]
        self.assertPicture(ico_to_png.convert(icon_file((5, 3, bmp_image(rgba, 32)))), rgba)

    def test_largest_image_wins_and_enlarging_repeats_pixels(self):
        small = [[1, 2], [3, 4]]
        large = [[(x + y) % 16 for x in range(4)] for y in range(4)]
        large[0][3] = CLEAR
        data = icon_file((2, 2, bmp_image(small, 4)), (4, 4, bmp_image(large, 4)),
                         (1, 1, bmp_image([[5]], 4)))
        self.assertPicture(ico_to_png.convert(data), large)
        doubled = [[large[y // 3][x // 3] for x in range(12)] for y in range(12)]
        self.assertPicture(ico_to_png.convert(data, 3), doubled)

    def test_png_images_are_copied_as_they_are(self):
        png = ico_to_png.png_bytes([[(1, 2, 3, 4)]])
        self.assertEqual(ico_to_png.convert(icon_file((1, 1, png))), png)
        with self.assertRaises(ico_to_png.IconError):
            ico_to_png.convert(icon_file((1, 1, png)), 2)

    def test_damaged_icons_are_refused(self):
        good = icon_file((2, 2, bmp_image([[1, 2], [3, 4]], 4)))
        damaged = {
            "empty": b"",
            "a cursor": good[:2] + b"\2\0" + good[4:],
            "no images": good[:4] + b"\0\0",
            "cut directory": good[:10],
            "cut image": good[:-3],
            "cut palette": icon_file((2, 2, bmp_image([[1, 2], [3, 4]], 4)[:60])),
            "compressed": icon_file((2, 2, bmp_image([[1]], 4)[:16] + b"\2" +
                                     bmp_image([[1]], 4)[17:])),
            "colour past the palette": icon_file((2, 2, bmp_image([[1, 2], [3, 4]], 4,
                                                                  PALETTE[:3]))),
        }
        for name, data in damaged.items():
            with self.subTest(name), self.assertRaises(ico_to_png.IconError):
                ico_to_png.convert(data)


class GameIcon(unittest.TestCase):
    def convert_with_command(self, *extra):
        with tempfile.TemporaryDirectory() as folder:
            target = os.path.join(folder, "zodedu.png")
            subprocess.run([sys.executable, CONVERTER, GAME_ICON, target, *extra], check=True)
            with open(target, "rb") as png:
                return read_png(png.read())

    def test_game_icon_becomes_a_clear_cornered_picture_in_the_sixteen_colours(self):
        rows = self.convert_with_command()
        self.assertEqual((len(rows[0]), len(rows)), (32, 32))
        opaque = [pixel for row in rows for pixel in row if pixel[3] == 255]
        self.assertTrue(all(pixel[3] in (0, 255) for row in rows for pixel in row))
        self.assertEqual(rows[0][0][3], 0)
        self.assertEqual(rows[31][31][3], 0)
        self.assertGreater(len(opaque), 200)
        self.assertTrue(set(pixel[:3] for pixel in opaque) <= set(PALETTE))
        doubled = [[pixel for pixel in row for _ in (0, 1)] for row in rows for _ in (0, 1)]
        self.assertEqual(self.convert_with_command("2"), doubled)

    def test_command_refuses_a_file_that_is_no_icon(self):
        with tempfile.TemporaryDirectory() as folder:
            target = os.path.join(folder, "out.png")
            result = subprocess.run([sys.executable, CONVERTER, CONVERTER, target],
                                    capture_output=True, text=True)
            self.assertEqual(result.returncode, 1)
            self.assertIn("not an icon", result.stderr)
            self.assertFalse(os.path.exists(target))


if __name__ == "__main__":
    unittest.main()
