// TitleTune.cpp: the title music: a bright, bouncy song in C major with bells and hand claps.
#include "Tunes.h"

#include <string_view>

namespace tracker {

namespace {

constexpr int kRowsPerBar = 16;
constexpr int kBars = 20;
constexpr int kChorus = 8; // first bar of the chorus
constexpr int kTag = 16;   // the call-and-answer tag that turns back to the top

constexpr std::string_view kChords = R"(
    C  | Am | F  | G  | C  | Am | Dm7 G7 | C  |
    F  | G  | Em | Am | Dm | G  | E7     | Am |
    F  | G  | C  | G7 )";

constexpr std::string_view kMelody = R"(
    g4.2 c5.2 e5.2 g5.2 e5.4 c5.4        | a5.4 g5.2 e5.2 c5.4 a4.4      |
    f5.2 f5.2 e5.2 f5.2 a5.4 f5.4        | g5.6 f5.2 e5.2 d5.2 b4.4      |
    g4.2 c5.2 e5.2 g5.2 c6.4 g5.4        | a5.2 b5.2 c6.2 a5.2 e5.4 c5.4 |
    f5.4 a5.4 g5.2 f5.2 d5.2 b4.2        | c5.6 r.6 e5.2 g5.2            |
    a5.8 c6.4 a5.4                       | g5.8 b5.4 g5.4                |
    e5.6 g5.2 b5.4 g5.4                  | a5.12 r.4                     |
    f5.2 e5.2 d5.2 e5.2 f5.4 a5.4        | g5.2 f5.2 e5.2 f5.2 g5.4 b5.4 |
    g#5.6 a5.2 b5.4 g#5.4                | a5.8 e5.4 c5.4                |
    r.4 c5.2 f5.2 a5.4 r.4               | r.4 d5.2 g5.2 b5.4 r.4        |
    c6.2 b5.2 g5.2 e5.2 g5.2 e5.2 c5.4   | d5.4 b4.4 g4.4 r.4            )";

} // namespace

Tune titleTune() {
    Arrangement a(kBars, kRowsPerBar);
    const auto chords = parseChords(kChords, kRowsPerBar);
    const auto melody = parseMelody(kMelody, kRowsPerBar);
    const auto verse = barsOf(melody, 0, kChorus, kRowsPerBar);
    const auto chorus = barsOf(melody, kChorus, kTag, kRowsPerBar);
    const auto tag = barsOf(melody, kTag, kBars, kRowsPerBar);

    // Verse: marimba with bells an octave above.
    playLine(
        a, verse,
        {.channels = channel::kLead, .instrument = Instrument::Marimba, .volume = 46, .releaseNotes = false});
    playLine(a, verse,
             {.channels = channel::kCounter,
              .instrument = Instrument::Glock,
              .volume = 22,
              .transpose = 12,
              .releaseNotes = false});
    // Chorus: the flute sings, the marimba harmonises below.
    playLine(a, chorus,
             {.channels = channel::kLead,
              .instrument = Instrument::Flute,
              .volume = 40,
              .vibratoAfter = 8,
              .vibrato = 0x42});
    playLine(a, harmonyBelow(chorus, chords),
             {.channels = channel::kCounter,
              .instrument = Instrument::Marimba,
              .volume = 30,
              .releaseNotes = false});
    // Tag: bells call, the echo answers.
    playLine(
        a, tag,
        {.channels = channel::kLead, .instrument = Instrument::Glock, .volume = 34, .releaseNotes = false});
    playLine(a, verse,
             {.channels = channel::kEcho,
              .instrument = Instrument::Marimba,
              .volume = 12,
              .delay = 3,
              .releaseNotes = false});
    playLine(a, tag,
             {.channels = channel::kEcho,
              .instrument = Instrument::Glock,
              .volume = 14,
              .delay = 3,
              .releaseNotes = false});

    playBass(a, chords, "R...5...8...5.A.", 38, 40, 0, kBars);
    playArpeggio(a, chords, "..1...2...1...2.", Instrument::EPiano, 26, 60, 0, kChorus);
    playArpeggio(a, chords, "0.1.2.1.0.1.2.1.", Instrument::EPiano, 24, 60, kChorus, kBars);
    playPad(a, chords, 15, 55, 74, kChorus, kBars);

    playDrum(a, channel::kKick, Instrument::Kick, "X.......X.x.....", 52, 0, kBars);
    playDrum(a, channel::kSnare, Instrument::Clap, "....X.......X...", 56, 0, kBars);
    playDrum(a, channel::kHat, Instrument::ClosedHat, "x.o.x.o.x.o.x.o.", 40, 0, kBars);
    playDrum(a, channel::kPerc, Instrument::OpenHat, "..o...o...o...o.", 28, kChorus, kBars);
    // Fills into the chorus, the tag and back to the top.
    for (int bar : {kChorus - 1, kTag - 1, kBars - 1}) {
        playDrum(a, channel::kSnare, Instrument::Snare, "....X.......XxXx", 52, bar, bar + 1);
    }
    for (int bar : {0, kChorus}) {
        playDrum(a, channel::kCrash, Instrument::Crash, "X...............", 26, bar, bar + 1);
    }
    return {"title", 6, 112, 64, std::move(a)};
}

} // namespace tracker
