// Decoding of BMP and single-image ICO files with 4 bits per pixel.
#include "picture_file.h"

namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// The DIB at `at`: info header, palette, colour rows and, for icons, the mask rows.
PictureFile ReadDib(const std::vector<std::uint8_t>& bytes, std::size_t at, bool icon) {
    PictureFile picture;
    if (bytes.size() < at + 40 || Le(bytes, at, 4) != 40) {
        picture.problem = "no 40-byte info header";
        return picture;
    }
    picture.width = static_cast<int>(Le(bytes, at + 4, 4));
    const auto storedHeight = static_cast<std::int32_t>(Le(bytes, at + 8, 4));
    picture.height = icon ? storedHeight / 2 : storedHeight;
    picture.bitsPerPixel = static_cast<int>(Le(bytes, at + 14, 2));
    picture.compression = Le(bytes, at + 16, 4);
    picture.coloursUsed = Le(bytes, at + 32, 4);
    if (picture.bitsPerPixel != 4 || picture.width <= 0 || picture.height <= 0) {
        picture.problem = "not a bottom-up 4-bit picture";
        return picture;
    }
    const std::size_t paletteAt = at + 40;
    const std::size_t rowBytes = static_cast<std::size_t>((picture.width * 4 + 31) / 32 * 4);
    const std::size_t maskRowBytes = static_cast<std::size_t>((picture.width + 31) / 32 * 4);
    const std::size_t pixelsAt = paletteAt + 16 * 4;
    const std::size_t maskAt = pixelsAt + rowBytes * static_cast<std::size_t>(picture.height);
    const std::size_t end =
        icon ? maskAt + maskRowBytes * static_cast<std::size_t>(picture.height) : maskAt;
    if (bytes.size() < end) {
        picture.problem = "file too short";
        return picture;
    }
    for (std::size_t i = 0; i < 16; ++i) {
        picture.palette.push_back(Le(bytes, paletteAt + 4 * i, 4));
    }
    const auto size = static_cast<std::size_t>(picture.width * picture.height);
    picture.pixels.resize(size);
    picture.transparent.resize(size, false);
    for (int y = 0; y < picture.height; ++y) {
        const std::size_t row = static_cast<std::size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t byte =
                bytes[pixelsAt + row * rowBytes + static_cast<std::size_t>(x / 2)];
            picture.pixels[static_cast<std::size_t>(y * picture.width + x)] =
                x % 2 == 0 ? byte >> 4 : byte & 0x0F;
            if (icon) {
                const std::uint8_t bits =
                    bytes[maskAt + row * maskRowBytes + static_cast<std::size_t>(x / 8)];
                picture.transparent[static_cast<std::size_t>(y * picture.width + x)] =
                    (bits >> (7 - x % 8) & 1) != 0;
            }
        }
    }
    picture.valid = true;
    return picture;
}

} // namespace

PictureFile ReadBmp(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 14 || bytes[0] != 'B' || bytes[1] != 'M') {
        PictureFile picture;
        picture.problem = "no BM signature";
        return picture;
    }
    PictureFile picture = ReadDib(bytes, 14, false);
    if (picture.valid && Le(bytes, 2, 4) != bytes.size()) {
        picture.valid = false;
        picture.problem = "file size field differs from the file";
    }
    if (picture.valid && Le(bytes, 10, 4) != 14 + 40 + 64) {
        picture.valid = false;
        picture.problem = "pixel offset does not follow the palette";
    }
    return picture;
}

PictureFile ReadIco(const std::vector<std::uint8_t>& bytes) {
    PictureFile picture;
    if (bytes.size() < 22 || Le(bytes, 0, 2) != 0 || Le(bytes, 2, 2) != 1 || Le(bytes, 4, 2) != 1) {
        picture.problem = "not a one-image icon";
        return picture;
    }
    const std::uint32_t size = Le(bytes, 14, 4);
    const std::uint32_t offset = Le(bytes, 18, 4);
    if (offset + size != bytes.size()) {
        picture.problem = "directory entry does not cover the image";
        return picture;
    }
    picture = ReadDib(bytes, offset, true);
    if (picture.valid &&
        (bytes[6] != picture.width || bytes[7] != picture.height || bytes[8] != 16)) {
        picture.valid = false;
        picture.problem = "directory entry disagrees with the image";
    }
    return picture;
}
