// BMP encoding: file header, info header, palette, rows bottom-up padded to four bytes.
#include "bmp_writer.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

} // namespace

std::uint32_t FourBitRowBytes(int width) {
    return (static_cast<std::uint32_t>(width) * 4 + 31) / 32 * 4;
}

void WriteInfoHeader(ByteWriter& out, int width, int storedHeight, std::uint32_t imageSize) {
    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(storedHeight));
    out.U16(1); // planes
    out.U16(4); // bits per pixel
    out.U32(0); // BI_RGB
    out.U32(imageSize);
    out.U32(0); // no preferred resolution
    out.U32(0);
    out.U32(16); // colours used
    out.U32(0);  // all colours important
}

void WritePalette(ByteWriter& out) {
    for (const Rgb& colour : kVgaPalette) {
        out.U8(colour.blue);
        out.U8(colour.green);
        out.U8(colour.red);
        out.U8(0);
    }
}

void WriteFourBitRows(ByteWriter& out, const Canvas& canvas) {
    const std::uint32_t rowBytes = FourBitRowBytes(canvas.Width());
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < canvas.Width(); x += 2) {
            const std::uint32_t high = canvas.At(x, y) & 0x0F;
            const std::uint32_t low = x + 1 < canvas.Width() ? canvas.At(x + 1, y) & 0x0F : 0;
            out.U8(high << 4 | low);
            ++written;
        }
        for (; written < rowBytes; ++written) {
            out.U8(0);
        }
    }
}

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
    const std::uint32_t imageSize =
        FourBitRowBytes(canvas.Width()) * static_cast<std::uint32_t>(canvas.Height());
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    ByteWriter out;
    out.Text("BM");
    out.U32(pixelOffset + imageSize);
    out.U32(0); // reserved
    out.U32(pixelOffset);
    WriteInfoHeader(out, canvas.Width(), canvas.Height(), imageSize);
    WritePalette(out);
    WriteFourBitRows(out, canvas);
    return out.Take();
}
