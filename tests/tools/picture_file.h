// A reader for the BMP and ICO files the generators write, independent of the writers:
// header fields as stored and the pixels as palette indices, top row first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PictureFile {
    bool valid = false;
    std::string problem; // why not valid
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    std::vector<std::uint8_t> pixels;   // palette indices
    std::vector<bool> transparent;      // icons only: the AND mask

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool ClearAt(int x, int y) const {
        return transparent[static_cast<std::size_t>(y * width + x)];
    }
};

PictureFile ReadBmp(const std::vector<std::uint8_t>& bytes);
// One-image icons only.
PictureFile ReadIco(const std::vector<std::uint8_t>& bytes);
