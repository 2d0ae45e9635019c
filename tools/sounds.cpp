// Sound synthesis: sine partials with exponential decay, and filtered noise from a fixed
// seed, so that every run writes the same bytes.
#include "sounds.h"

#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.7; // of full scale: loud enough, never clipped

using Signal = std::vector<double>;

Signal Silence(double seconds) {
    return Signal(static_cast<std::size_t>(seconds * kSoundRate), 0.0);
}

double Time(std::size_t index) {
    return static_cast<double>(index) / kSoundRate;
}

// Deterministic white noise in -1..1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state;
};

// A struck tone: partials (frequency ratio, level) over a fundamental, a short attack and
// an exponential decay, added into the signal from the given start time.
struct Partial {
    double ratio;
    double level;
};

void AddTone(Signal& signal, double start, double frequency, double level, double attack,
             double decay, const std::vector<Partial>& partials) {
    const auto first = static_cast<std::size_t>(start * kSoundRate);
    for (std::size_t i = first; i < signal.size(); ++i) {
        const double t = Time(i - first);
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay);
        double value = 0.0;
        for (const Partial& partial : partials) {
            // Higher partials die away sooner, as on a real bell or string.
            value += partial.level * std::exp(-t * (partial.ratio - 1.0) * 2.0) *
                     std::sin(2 * kPi * frequency * partial.ratio * t);
        }
        signal[i] += level * envelope * value;
    }
}

// Scales to the common peak, fades the last few milliseconds out and quantises.
std::vector<std::int16_t> Finish(Signal signal) {
    double peak = 0.0;
    for (double value : signal) {
        peak = std::max(peak, std::fabs(value));
    }
    const double gain = peak > 0.0 ? kPeak / peak : 0.0;
    const std::size_t fade = kSoundRate / 50;
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const std::size_t left = signal.size() - i;
        const double tail = left < fade ? static_cast<double>(left) / fade : 1.0;
        samples.push_back(
            static_cast<std::int16_t>(std::lround(signal[i] * gain * tail * 32767.0)));
    }
    return samples;
}

// A fuse catching: the scratch of a match, then a crackling fizz with a few sharp ticks.
Signal FuseLit() {
    Signal signal = Silence(0.9);
    Noise noise(0x1F2E3D4Cu);
    double low = 0.0;
    double previous = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = Time(i);
        const double white = noise.Next();
        low += 0.25 * (white - low);
        const double high = white - low; // hiss without the rumble
        const double strike = t < 0.15 ? std::min(1.0, t / 0.003) * std::exp(-t / 0.04) * 0.9 : 0.0;
        const double fizz = std::min(1.0, t / 0.1) * std::exp(-t / 0.5) * 0.25;
        signal[i] = high * (strike + fizz) + 0.2 * (high - previous) * fizz;
        previous = high;
    }
    for (double tick : {0.22, 0.41, 0.57, 0.70, 0.80}) {
        AddTone(signal, tick, 2400.0, 0.35, 0.0005, 0.008, {{1.0, 1.0}, {1.5, 0.4}});
    }
    return signal;
}

// Closing: two soft notes falling a fifth, round like a music box.
Signal SoftClose() {
    Signal signal = Silence(1.0);
    const std::vector<Partial> soft = {{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.06}};
    AddTone(signal, 0.0, 659.26, 0.8, 0.012, 0.30, soft);  // E5
    AddTone(signal, 0.18, 440.00, 1.0, 0.015, 0.35, soft); // A4
    return signal;
}

// Winning: a rising major arpeggio on bells, ending on the octave.
Signal BrightChime() {
    Signal signal = Silence(1.3);
    const std::vector<Partial> bell = {{1.0, 1.0}, {2.0, 0.35}, {2.76, 0.2}, {5.4, 0.08}};
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00}; // C6 E6 G6 C7
    for (int n = 0; n < 4; ++n) {
        AddTone(signal, 0.085 * n, notes[n], n == 3 ? 1.0 : 0.75, 0.003, n == 3 ? 0.45 : 0.25,
                bell);
    }
    return signal;
}

// Losing: a bang, a thump that drops in pitch under a burst of darkening noise.
Signal Bang() {
    Signal signal = Silence(1.2);
    Noise noise(0x5EEDB00Du);
    double low = 0.0;
    double lower = 0.0;
    double phase = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = Time(i);
        // The noise starts bright and grows duller as it dies away.
        const double cutoff = 0.05 + 0.6 * std::exp(-t / 0.06);
        low += cutoff * (noise.Next() - low);
        lower += 0.5 * cutoff * (low - lower);
        const double burst = std::min(1.0, t / 0.002) * std::exp(-t / 0.25);
        const double frequency = 35.0 + 75.0 * std::exp(-t / 0.12);
        phase += 2 * kPi * frequency / kSoundRate;
        const double thump = std::min(1.0, t / 0.004) * std::exp(-t / 0.3) * std::sin(phase);
        signal[i] = 1.6 * lower * burst + 0.8 * thump;
    }
    return signal;
}

} // namespace

std::vector<Asset> Sounds() {
    return {
        {"sounds/first.wav", EncodeWav(Finish(FuseLit()), kSoundRate)},
        {"sounds/last.wav", EncodeWav(Finish(SoftClose()), kSoundRate)},
        {"sounds/win.wav", EncodeWav(Finish(BrightChime()), kSoundRate)},
        {"sounds/lose.wav", EncodeWav(Finish(Bang()), kSoundRate)},
    };
}
