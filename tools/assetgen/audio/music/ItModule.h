// ItModule.h: an Impulse Tracker module in sample mode, as data, and its writer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tracker {

inline constexpr int kMaxChannels = 64;
inline constexpr uint8_t kNoteCut = 254;
inline constexpr uint8_t kNoteOff = 255;
inline constexpr uint8_t kEndOfSong = 255;

// Effect letters as the format numbers them (A = 1).
enum class Effect : uint8_t {
    None = 0,
    SetSpeed = 1,         // A: ticks per row
    JumpToOrder = 2,      // B
    VolumeSlide = 4,      // D
    Vibrato = 8,          // H
    SetTempo = 20,        // T: beats per minute of the tick clock
    SetGlobalVolume = 22, // V: 0..128, the level of everything that plays
};

// One channel of one row. Empty fields are left out when the pattern is packed.
struct Cell {
    std::optional<uint8_t> note;   // 0..119 (60 = C-5), kNoteCut or kNoteOff
    uint8_t sample = 0;            // 1-based; 0 = none
    std::optional<uint8_t> volume; // volume column, 0..64
    Effect effect = Effect::None;
    uint8_t param = 0;

    bool empty() const { return !note && sample == 0 && !volume && effect == Effect::None; }
    bool operator==(const Cell&) const = default;
};

struct Pattern {
    int rows = 0;
    int channels = 0;
    std::vector<Cell> cells; // rows × channels, row-major

    Pattern() = default;
    Pattern(int rowCount, int channelCount);
    Cell& at(int row, int channel) { return cells[static_cast<std::size_t>(row * channels + channel)]; }
    const Cell& at(int row, int channel) const {
        return cells[static_cast<std::size_t>(row * channels + channel)];
    }
    bool operator==(const Pattern&) const = default;
};

// Mono PCM with the rate at which note C-5 plays it, and an optional forward loop.
struct Sample {
    std::string name;
    std::vector<int16_t> pcm;
    uint32_t c5Speed = 44100;
    bool loop = false;
    uint32_t loopBegin = 0;
    uint32_t loopEnd = 0; // exclusive
    uint8_t defaultVolume = 64;
    uint8_t globalVolume = 64; // the instrument's fader in the mix, 0..64
};

struct Module {
    std::string songName;
    uint8_t initialSpeed = 6;
    uint8_t initialTempo = 125;
    uint8_t globalVolume = 128;
    uint8_t mixVolume = 48;
    std::vector<uint8_t> channelPan; // 0 (left) .. 64 (right) for each channel in use
    std::vector<uint8_t> orders;     // pattern numbers; the end marker is added by the writer
    std::vector<Pattern> patterns;
    std::vector<Sample> samples;
};

// The file: header, orders, offset tables, sample headers, packed patterns, sample data.
// Stereo mixing with linear slides, no instruments, uncompressed signed 16-bit samples.
std::vector<uint8_t> writeIt(const Module& module);

} // namespace tracker
