// A generated file: its path below assets/ (for example "art/peg_0.bmp") and its bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct Asset {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Writes each asset below the folder, making sub-folders as needed; false on any failure.
bool WriteAssets(const std::filesystem::path& folder, const std::vector<Asset>& assets);
