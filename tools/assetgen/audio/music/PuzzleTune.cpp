// PuzzleTune.cpp: the puzzle music: an unhurried song in F major for marimba, flute and pad.
#include "Tunes.h"

#include <string_view>

namespace tracker {

namespace {

constexpr int kRowsPerBar = 16; // four beats of four rows
constexpr int kBars = 16;
constexpr int kBridge = 8; // first bar of the second half

constexpr std::string_view kChords = R"(
    Fmaj7 | Dm7 | Bbmaj7 | C      | Fmaj7 | Am7 | Bbmaj7 | Gm7 C7   |
    Dm7   | Am7 | Bbmaj7 | Fmaj7  | Gm7   | Am7 | Bbmaj7 | Csus4 C  )";

// The first half rises and falls in short phrases on the marimba; the second half sings longer
// notes on the flute, higher, and comes home to C so the loop falls back onto F.
constexpr std::string_view kMelody = R"(
    a4.2 c5.2 e5.4 d5.2 c5.2 a4.4        | d5.6 c5.2 a4.4 f4.4     |
    g4.2 a4.2 bb4.2 d5.2 f5.4 e5.2 d5.2  | c5.12 r.4              |
    a4.2 c5.2 e5.4 f5.2 e5.2 c5.4        | e5.6 d5.2 c5.4 a4.4     |
    bb4.2 d5.2 f5.2 a5.2 g5.4 f5.2 d5.2  | bb4.4 a4.2 g4.2 c5.8    |
    f5.8 e5.4 d5.4                       | c5.6 d5.2 e5.8          |
    f5.6 g5.2 f5.4 d5.4                  | e5.8 c5.4 a4.4          |
    d5.4 f5.4 bb5.4 a5.2 g5.2            | a5.6 g5.2 e5.8          |
    f5.4 e5.2 d5.2 c5.4 d5.4             | c5.12 g4.4              )";

} // namespace

Tune puzzleTune() {
    Arrangement a(kBars, kRowsPerBar);
    const auto chords = parseChords(kChords, kRowsPerBar);
    const auto melody = parseMelody(kMelody, kRowsPerBar);
    const auto firstHalf = barsOf(melody, 0, kBridge, kRowsPerBar);
    const auto secondHalf = barsOf(melody, kBridge, kBars, kRowsPerBar);

    playLine(
        a, firstHalf,
        {.channels = channel::kLead, .instrument = Instrument::Marimba, .volume = 46, .releaseNotes = false});
    playLine(a, firstHalf,
             {.channels = channel::kEcho,
              .instrument = Instrument::Marimba,
              .volume = 15,
              .delay = 3,
              .releaseNotes = false});
    playLine(a, secondHalf,
             {.channels = channel::kLead,
              .instrument = Instrument::Flute,
              .volume = 40,
              .vibratoAfter = 6,
              .vibrato = 0x42});
    playLine(a, secondHalf,
             {.channels = channel::kEcho, .instrument = Instrument::Flute, .volume = 11, .delay = 3});
    playLine(a, harmonyBelow(secondHalf, chords),
             {.channels = channel::kCounter,
              .instrument = Instrument::Marimba,
              .volume = 34,
              .releaseNotes = false});

    playPad(a, chords, 14, 53, 72, 0, kBars);
    playBass(a, chords, "R.......5.....R.", 40, 41, 0, kBars);
    playArpeggio(a, chords, "0.1.2.3.4.3.2.1.", Instrument::EPiano, 30, 60, 4, kBars);

    playDrum(a, channel::kPerc, Instrument::Shaker, "x.o.x.o.x.o.x.o.", 24, kBridge, kBars);
    playDrum(a, channel::kKick, Instrument::Kick, "X.......o.......", 36, kBridge, kBars);
    return {"puzzle", 6, 84, 64, std::move(a)};
}

} // namespace tracker
