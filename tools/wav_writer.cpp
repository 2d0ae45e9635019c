// RIFF WAVE: the "fmt " chunk for PCM, then the "data" chunk.
#include "wav_writer.h"

#include "byte_writer.h"

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    ByteWriter out;
    out.Text("RIFF");
    out.U32(4 + 8 + 16 + 8 + dataBytes);
    out.Text("WAVE");
    out.Text("fmt ");
    out.U32(16);
    out.U16(1); // PCM
    out.U16(1); // mono
    out.U32(rate);
    out.U32(rate * 2); // bytes per second
    out.U16(2);        // bytes per frame
    out.U16(16);       // bits per sample
    out.Text("data");
    out.U32(dataBytes);
    for (std::int16_t sample : samples) {
        out.U16(static_cast<std::uint16_t>(sample));
    }
    return out.Take();
}
