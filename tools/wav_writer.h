// Encodes mono 16-bit PCM samples as a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);
