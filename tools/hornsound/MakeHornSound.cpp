// Writes the alarm sound supplied beside the program: a two-tone car horn of about one second,
// a short rising note and a longer lower one, as a mono 16-bit PCM WAV file.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {
constexpr std::uint32_t kRate = 22050;
constexpr std::uint16_t kBits = 16;
constexpr double kFade = 0.012;  // seconds at either end of a note, so it starts without a click

struct Note {
    double start;  // seconds
    double length;
    double fromHz;  // the pitch glides from one to the other
    double toHz;
};

// "Ah-" rising into "-oo", then the lower "-ga".
constexpr Note kNotes[] = {{0.0, 0.42, 260.0, 415.0}, {0.47, 0.55, 330.0, 310.0}};

// A horn's reedy tone: the odd and even harmonics of a buzzing membrane, squashed a little.
double Horn(double phase) {
    double sum = 0.0;
    for (int harmonic = 1; harmonic <= 6; ++harmonic) {
        sum += std::sin(phase * harmonic) / harmonic;
    }
    return std::tanh(1.8 * sum);
}

void Render(const Note& note, std::vector<double>& samples) {
    const auto first = static_cast<std::size_t>(note.start * kRate);
    const auto count = static_cast<std::size_t>(note.length * kRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double hz = note.fromHz + (note.toHz - note.fromHz) * t / note.length;
        phase += 2.0 * std::numbers::pi * hz / kRate;
        const double fade = std::min({1.0, t / kFade, (note.length - t) / kFade});
        samples[first + i] += 0.8 * fade * Horn(phase);
    }
}

void PutU16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& bytes, std::uint32_t value) {
    PutU16(bytes, value & 0xFFFF);
    PutU16(bytes, value >> 16);
}

std::string Wave(const std::vector<double>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBits / 8);
    std::string bytes = "RIFF";
    PutU32(bytes, 36 + dataSize);
    bytes += "WAVEfmt ";
    PutU32(bytes, 16);
    PutU16(bytes, 1);  // PCM
    PutU16(bytes, 1);  // mono
    PutU32(bytes, kRate);
    PutU32(bytes, kRate * kBits / 8);
    PutU16(bytes, kBits / 8);
    PutU16(bytes, kBits);
    bytes += "data";
    PutU32(bytes, dataSize);
    for (double sample : samples) {
        const auto level =
            static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        PutU16(bytes, static_cast<std::uint16_t>(level));
    }
    return bytes;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_horn_sound FILE.wav\n";
        return 2;
    }
    const Note& last = kNotes[std::size(kNotes) - 1];
    std::vector<double> samples(static_cast<std::size_t>((last.start + last.length) * kRate));
    for (const Note& note : kNotes) {
        Render(note, samples);
    }
    const std::string bytes = Wave(samples);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
