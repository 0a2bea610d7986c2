// Arrangement.h: a whole section laid out on the tracker grid, and the parts that fill it.
#pragma once

#include "Instruments.h"
#include "ItModule.h"
#include "Score.h"

#include <array>
#include <string_view>
#include <vector>

namespace tracker {

// The channel layout every section shares. Melodic parts own a pair of channels and play their
// notes on the two in turn: a channel is only given a new note once the last one on it has
// faded, because cutting a sounding note off clicks.
namespace channel {
using Pair = std::array<int, 2>;
inline constexpr Pair kLead = {0, 1};
inline constexpr Pair kEcho = {2, 3};    // the lead again, later and softer
inline constexpr Pair kCounter = {4, 5}; // a second voice under the lead
inline constexpr Pair kBass = {6, 7};
inline constexpr std::array<int, 3> kPadA = {8, 9, 10};   // two sets of pad voices: each chord swells in on
inline constexpr std::array<int, 3> kPadB = {11, 12, 13}; // one set while the last fades out on the other
inline constexpr Pair kArp = {14, 15};
inline constexpr int kKick = 16;
inline constexpr int kSnare = 17;
inline constexpr int kHat = 18;
inline constexpr int kPerc = 19;
inline constexpr int kCrash = 20;
// Timing, jumps and the section's level live on channels of their own, one effect each.
inline constexpr int kSpeedControl = 21;
inline constexpr int kTempoControl = 22;
inline constexpr int kJumpControl = 23;
inline constexpr int kLevelControl = 24;
inline constexpr int kCount = 25;
} // namespace channel

// Left-right placement of the channels above (0 left, 32 centre, 64 right).
std::vector<uint8_t> channelPanning();

class Arrangement {
public:
    Arrangement(int bars, int rowsPerBar);

    int rows() const { return m_grid.rows; }
    int rowsPerBar() const { return m_rowsPerBar; }
    Cell& at(int row, int channel) { return m_grid.at(row, channel); }
    const Cell& at(int row, int channel) const { return m_grid.at(row, channel); }

    void note(int channel, int row, int midi, Instrument instrument, int volume);
    // Slides the channel's volume from `volume` to silence starting at `row`, within at most
    // `withinRows` rows (and never past the end), instead of cutting it, so nothing clicks.
    void fadeOut(int channel, int row, int volume, int withinRows);
    void effect(int channel, int row, Effect effect, uint8_t param);
    // The row of the last note on `channel` before `beforeRow`, or -1.
    int lastNoteRow(int channel, int beforeRow) const;

    // Consecutive slices of `rowsPerPattern` rows.
    std::vector<Pattern> patterns(int rowsPerPattern) const;

private:
    int m_rowsPerBar;
    Pattern m_grid;
};

// How a melodic line is played.
struct LineStyle {
    channel::Pair channels;
    Instrument instrument;
    int volume;
    int transpose = 0;
    int delay = 0;            // rows
    int vibratoAfter = 0;     // notes at least this long (rows) get vibrato from their third row; 0 = none
    uint8_t vibrato = 0x32;   // H effect: speed in the high nibble, depth in the low one
    bool accentBeats = true;  // notes on the beat a little louder than those between
    bool releaseNotes = true; // fade each note at its end (sustained instruments); else let it ring on
};

// Places the notes of a melody. A note starting on the last row or later is dropped: it could
// not fade out before the section loops.
void playLine(Arrangement& arrangement, const std::vector<NoteEvent>& notes, const LineStyle& style);

// A second voice: for each note, the nearest chord tone at least a minor third below it.
std::vector<NoteEvent> harmonyBelow(const std::vector<NoteEvent>& melody,
                                    const std::vector<ChordSpan>& chords);

// Sustained chords on the two pad sets, voiced between `low` and `high` and led smoothly
// from chord to chord. Each chord swells in on one set while the other fades.
void playPad(Arrangement& arrangement, const std::vector<ChordSpan>& chords, int volume, int low, int high,
             int firstBar, int endBar);

// A bass line from a one-bar rhythm of steps (one character per row): R root (or the slash
// bass), 5 fifth above, L fifth below, 8 octave above, 3 third, 7 seventh (octave if none),
// A a semitone below the next chord's root, - fade out, . hold.
void playBass(Arrangement& arrangement, const std::vector<ChordSpan>& chords, std::string_view barSteps,
              int volume, int lowest, int firstBar, int endBar);

// Broken chords from a one-bar rhythm: digits index the chord's notes counted upwards from
// `base`, '.' lets the last notes ring.
void playArpeggio(Arrangement& arrangement, const std::vector<ChordSpan>& chords, std::string_view barSteps,
                  Instrument instrument, int volume, int base, int firstBar, int endBar);

// One drum voice from a one-bar pattern: X accent, x normal, o soft, . nothing.
void playDrum(Arrangement& arrangement, int channel, Instrument instrument, std::string_view barHits,
              int volume, int firstBar, int endBar);

} // namespace tracker
