// Icon encoding: directory, one entry, then a BMP image of twice the height whose colour
// rows are followed by the one-bit mask rows (1 = transparent, colour black there).
#include "ico_writer.h"

#include "bmp_writer.h"

namespace {

constexpr std::uint32_t kDirectorySize = 6 + 16;

std::uint32_t MaskRowBytes(int width) {
    return (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
}

} // namespace

std::vector<std::uint8_t> EncodeIco(const Canvas& canvas) {
    const int width = canvas.Width();
    const int height = canvas.Height();

    Canvas colours(width, height, kBlack);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t pixel = canvas.At(x, y);
            colours.Set(x, y, pixel == kTransparent ? std::uint8_t{kBlack} : pixel);
        }
    }

    const std::uint32_t colourBytes = FourBitRowBytes(width) * static_cast<std::uint32_t>(height);
    const std::uint32_t maskBytes = MaskRowBytes(width) * static_cast<std::uint32_t>(height);
    const std::uint32_t imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;

    ByteWriter out;
    out.U16(0); // reserved
    out.U16(1); // icon
    out.U16(1); // one image
    out.U8(static_cast<std::uint32_t>(width));
    out.U8(static_cast<std::uint32_t>(height));
    out.U8(16); // colours
    out.U8(0);
    out.U16(1); // planes
    out.U16(4); // bits per pixel
    out.U32(imageBytes);
    out.U32(kDirectorySize);

    WriteInfoHeader(out, width, height * 2, colourBytes + maskBytes);
    WritePalette(out);
    WriteFourBitRows(out, colours);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; x += 8) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const bool clear = x + bit >= width || canvas.At(x + bit, y) == kTransparent;
                bits |= (clear ? 1U : 0U) << (7 - bit);
            }
            out.U8(bits);
            ++written;
        }
        for (; written < MaskRowBytes(width); ++written) {
            out.U8(0);
        }
    }
    return out.Take();
}
