// Little-endian byte output shared by the BMP, ICO and WAV encoders.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class ByteWriter {
public:
    void U8(std::uint32_t value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void U16(std::uint32_t value) {
        U8(value & 0xFF);
        U8(value >> 8 & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Text(std::string_view text) {
        for (char c : text) {
            U8(static_cast<std::uint8_t>(c));
        }
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes); }

private:
    std::vector<std::uint8_t> bytes;
};
