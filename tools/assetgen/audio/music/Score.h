// Score.h: a compact text notation for melodies and chord progressions, read into note events.
#pragma once

#include <string_view>
#include <vector>

namespace tracker {

// "c4" is middle C (MIDI 60); sharps "#", flats "b": "f#3", "bb4".
int parsePitch(std::string_view name);

// A note (or, with midi < 0, a rest) starting at `row`, lasting `length` rows.
struct NoteEvent {
    int row;
    int length;
    int midi;
};

// Tokens "<pitch>.<rows>" or "r.<rows>" separated by blanks; "|" marks a bar line and must fall
// on a whole bar, which catches miscounted bars where they are written. Rests are dropped.
std::vector<NoteEvent> parseMelody(std::string_view text, int rowsPerBar);

// The notes starting within bars [firstBar, endBar).
std::vector<NoteEvent> barsOf(const std::vector<NoteEvent>& notes, int firstBar, int endBar, int rowsPerBar);

struct Chord {
    int root = 0;               // pitch class, 0 = C
    int bass = 0;               // pitch class of the lowest note ("C/E" has bass 4)
    std::vector<int> intervals; // semitones above the root, starting with 0
};

// "C", "Am", "G7", "Dm7", "Fmaj7", "Csus4", "Csus2", "Bdim", "C6", "Am/C" and the like.
Chord parseChord(std::string_view symbol);

struct ChordSpan {
    int row;
    int length;
    Chord chord;
};

// Bars separated by "|"; the chords within one bar share it equally.
std::vector<ChordSpan> parseChords(std::string_view text, int rowsPerBar);
// The span sounding at `row` (the last one past the end).
const ChordSpan& chordAt(const std::vector<ChordSpan>& chords, int row);
// Whether pitch class `pc` belongs to the chord.
bool chordHas(const Chord& chord, int pc);

} // namespace tracker
