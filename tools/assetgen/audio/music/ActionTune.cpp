// ActionTune.cpp: the Action music: a fast, driving piece in A minor with a soaring last strain.
#include "Tunes.h"

#include <string_view>

namespace tracker {

namespace {

constexpr int kRowsPerBar = 16;
constexpr int kBars = 24;
constexpr int kSecond = 8;
constexpr int kSoar = 16;

constexpr std::string_view kChords = R"(
    Am | F  | C  | G  | Am | F | G | G  |
    Dm | Am | F  | G  | Dm | Am | F | E |
    F  | G  | Em | Am | F  | G  | E | E7 )";

constexpr std::string_view kMelody = R"(
    a4.2 a4.2 c5.2 e5.2 d5.2 c5.2 a4.4   | a4.2 c5.2 f5.4 e5.2 d5.2 c5.4   |
    e5.2 e5.2 g5.2 e5.2 c5.4 g4.4        | b4.2 d5.2 g5.4 f5.2 e5.2 d5.4   |
    a5.4 g5.2 e5.2 a5.4 c6.4             | c6.2 a5.2 f5.2 a5.2 c6.4 a5.4   |
    b5.2 g5.2 d5.2 g5.2 b5.4 d6.4        | d6.12 r.4                       |
    d5.2 d5.2 f5.2 a5.2 g5.4 f5.4        | e5.4 c5.4 a4.8                  |
    f5.2 f5.2 a5.2 c6.2 a5.4 f5.4        | g5.6 d5.6 b4.4                  |
    a5.2 f5.2 d5.2 f5.2 a5.4 d6.4        | c6.2 b5.2 a5.2 e5.2 c5.4 e5.4   |
    f5.6 a5.6 c6.4                       | b5.8 g#5.4 e5.4                 |
    c6.8 a5.8                            | b5.8 d6.8                       |
    g5.8 e5.4 g5.4                       | a5.16                           |
    c6.6 a5.6 f5.4                       | d6.6 b5.6 g5.4                  |
    e5.2 g#5.2 b5.2 e6.2 d6.4 b5.4       | d6.2 b5.2 g#5.2 e5.2 d5.2 b4.2 g#4.4 )";

} // namespace

Tune actionTune() {
    Arrangement a(kBars, kRowsPerBar);
    const auto chords = parseChords(kChords, kRowsPerBar);
    const auto melody = parseMelody(kMelody, kRowsPerBar);
    const auto second = barsOf(melody, kSecond, kSoar, kRowsPerBar);
    const auto soar = barsOf(melody, kSoar, kBars, kRowsPerBar);

    playLine(a, melody,
             {.channels = channel::kLead,
              .instrument = Instrument::SawLead,
              .volume = 40,
              .vibratoAfter = 8,
              .vibrato = 0x53});
    playLine(a, melody,
             {.channels = channel::kEcho, .instrument = Instrument::SawLead, .volume = 10, .delay = 3});
    playLine(a, harmonyBelow(second, chords),
             {.channels = channel::kCounter,
              .instrument = Instrument::Marimba,
              .volume = 30,
              .releaseNotes = false});
    playLine(a, soar,
             {.channels = channel::kCounter,
              .instrument = Instrument::Glock,
              .volume = 24,
              .transpose = 12,
              .releaseNotes = false});

    playBass(a, chords, "R.8.R.8.R.8.R.8.", 38, 40, 0, kSoar);
    playBass(a, chords, "R.R.8.R.R.R.8.A.", 38, 40, kSoar, kBars);
    playArpeggio(a, chords, "0.1.2.1.0.1.2.1.", Instrument::EPiano, 16, 57, 0, kSecond);
    playArpeggio(a, chords, "0123012301230123", Instrument::EPiano, 15, 57, kSecond, kBars);
    playPad(a, chords, 12, 57, 76, 0, kBars);

    playDrum(a, channel::kKick, Instrument::Kick, "X...X...X...X...", 50, 0, kBars);
    playDrum(a, channel::kSnare, Instrument::Clap, "....X.......X...", 52, 0, kBars);
    playDrum(a, channel::kHat, Instrument::ClosedHat, "xoxoxoxoxoxoxoxo", 28, 0, kBars);
    playDrum(a, channel::kPerc, Instrument::OpenHat, "..x...x...x...x.", 20, 0, kBars);
    for (int bar : {kSecond - 1, kSoar - 1, kBars - 1}) {
        playDrum(a, channel::kSnare, Instrument::Snare, "....X...XxXxXXXX", 50, bar, bar + 1);
    }
    for (int bar : {0, kSecond, kSoar}) {
        playDrum(a, channel::kCrash, Instrument::Crash, "X...............", 30, bar, bar + 1);
    }
    return {"action", 6, 144, 64, std::move(a)};
}

} // namespace tracker
