// Encodes a palette picture as the game's bitmaps are stored: a Windows BMP file with
// 4 bits per pixel, the 16-colour VGA palette, no compression.
#pragma once

#include "byte_writer.h"
#include "canvas.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

// Shared with the icon encoder: the 40-byte header, the palette and the bottom-up pixel rows.
void WriteInfoHeader(ByteWriter& out, int width, int storedHeight, std::uint32_t imageSize);
void WritePalette(ByteWriter& out);
void WriteFourBitRows(ByteWriter& out, const Canvas& canvas);
std::uint32_t FourBitRowBytes(int width);
