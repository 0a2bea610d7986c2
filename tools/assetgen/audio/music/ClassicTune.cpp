// ClassicTune.cpp: the Classic music: a lively, singing tune in G major with a bell bridge.
#include "Tunes.h"

#include <string_view>

namespace tracker {

namespace {

constexpr int kRowsPerBar = 16;
constexpr int kBars = 24;
constexpr int kSecond = 8;  // the minor-coloured second strain
constexpr int kBridge = 16; // the bells take over

constexpr std::string_view kChords = R"(
    G  | D  | Em | C  | G  | D  | C   | D  |
    Em | C  | G  | D  | Em | C  | Am7 | D7 |
    C  | D  | Bm | Em | Am | C  | D   | D7 )";

constexpr std::string_view kMelody = R"(
    d5.2 g5.2 b5.2 a5.2 g5.4 d5.4        | a5.2 f#5.2 d5.2 e5.2 f#5.4 a5.4 |
    g5.6 f#5.2 e5.4 b4.4                 | e5.2 g5.2 c6.4 b5.2 a5.2 g5.4   |
    d5.2 g5.2 b5.2 a5.2 g5.4 b5.4        | a5.2 b5.2 a5.2 f#5.2 d5.4 a5.4  |
    g5.2 e5.2 c5.2 e5.2 g5.4 c6.4        | a5.8 r.4 d5.4                   |
    e5.4 g5.4 b5.6 a5.2                  | g5.8 e5.4 c5.4                  |
    d5.4 g5.4 b5.6 c6.2                  | a5.12 f#5.4                     |
    b5.4 a5.2 g5.2 e5.4 g5.4             | c6.4 b5.2 a5.2 g5.4 e5.4        |
    a5.2 g5.2 e5.2 g5.2 a5.4 c6.4        | c6.4 b5.4 a5.4 f#5.4            |
    e5.6 g5.6 c6.4                       | f#5.6 a5.6 d6.4                 |
    d6.4 b5.4 f#5.4 d5.4                 | e5.2 f#5.2 g5.2 a5.2 b5.8       |
    c6.6 b5.6 a5.4                       | e5.6 g5.6 c6.4                  |
    d6.8 c6.4 a5.4                       | f#5.4 a5.4 c6.2 b5.2 a5.4       )";

} // namespace

Tune classicTune() {
    Arrangement a(kBars, kRowsPerBar);
    const auto chords = parseChords(kChords, kRowsPerBar);
    const auto melody = parseMelody(kMelody, kRowsPerBar);
    const auto strains = barsOf(melody, 0, kBridge, kRowsPerBar);
    const auto second = barsOf(melody, kSecond, kBridge, kRowsPerBar);
    const auto bridge = barsOf(melody, kBridge, kBars, kRowsPerBar);

    playLine(
        a, strains,
        {.channels = channel::kLead, .instrument = Instrument::SquareLead, .volume = 38, .vibratoAfter = 8});
    playLine(a, strains,
             {.channels = channel::kEcho, .instrument = Instrument::SquareLead, .volume = 11, .delay = 3});
    playLine(a, harmonyBelow(second, chords),
             {.channels = channel::kCounter,
              .instrument = Instrument::Marimba,
              .volume = 26,
              .releaseNotes = false});
    playLine(
        a, bridge,
        {.channels = channel::kLead, .instrument = Instrument::Glock, .volume = 40, .releaseNotes = false});
    playLine(a, bridge,
             {.channels = channel::kEcho,
              .instrument = Instrument::Glock,
              .volume = 13,
              .delay = 3,
              .releaseNotes = false});
    playLine(a, harmonyBelow(bridge, chords),
             {.channels = channel::kCounter,
              .instrument = Instrument::SquareLead,
              .volume = 22,
              .vibratoAfter = 8});

    playBass(a, chords, "R.R.5.R.8.R.5.A.", 38, 40, 0, kBars);
    playArpeggio(a, chords, "..2...1...2...1.", Instrument::EPiano, 28, 59, 0, kBridge);
    playArpeggio(a, chords, "0123212301232123", Instrument::EPiano, 22, 59, kBridge, kBars);
    playPad(a, chords, 16, 55, 74, kSecond, kBars);

    playDrum(a, channel::kKick, Instrument::Kick, "X.....x.X.x.....", 56, 0, kBars);
    playDrum(a, channel::kSnare, Instrument::Snare, "....X.......X...", 56, 0, kBars);
    playDrum(a, channel::kHat, Instrument::ClosedHat, "xoxoxoxoxoxoxoxo", 32, 0, kBars);
    playDrum(a, channel::kPerc, Instrument::OpenHat, "..o...o...o...o.", 24, kSecond, kBars);
    for (int bar : {kSecond - 1, kBridge - 1, kBars - 1}) {
        playDrum(a, channel::kSnare, Instrument::Snare, "....X...X.x.XxXX", 50, bar, bar + 1);
    }
    for (int bar : {0, kSecond, kBridge}) {
        playDrum(a, channel::kCrash, Instrument::Crash, "X...............", 26, bar, bar + 1);
    }
    return {"classic", 6, 126, 64, std::move(a)};
}

} // namespace tracker
