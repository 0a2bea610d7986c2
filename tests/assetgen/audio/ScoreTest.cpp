// The score notation and the parts built from it, down to the rule that keeps the music free of
// clicks: a channel only gets a new note after its last one has faded away.
#include "assetgen/audio/music/Score.h"

#include "assetgen/audio/music/Arrangement.h"
#include "assetgen/audio/music/Tunes.h"

#include <set>

#include <gtest/gtest.h>

namespace {

using namespace tracker;

TEST(Score, ReadsPitchNamesInScientificNotation) {
    EXPECT_EQ(parsePitch("c4"), 60);
    EXPECT_EQ(parsePitch("a4"), 69);
    EXPECT_EQ(parsePitch("e2"), 40);
    EXPECT_EQ(parsePitch("f#5"), 78);
    EXPECT_EQ(parsePitch("bb3"), 58);
    EXPECT_EQ(parsePitch("cb4"), 59);
    EXPECT_EQ(parsePitch("b#3"), 60);
}

TEST(Score, ReadsMelodiesIntoRowsAndLeavesRestsOut) {
    const std::vector<NoteEvent> notes = parseMelody("c4.4 r.4 e4.8 | g4.16 |", 16);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].row, 0);
    EXPECT_EQ(notes[0].length, 4);
    EXPECT_EQ(notes[1].row, 8);
    EXPECT_EQ(notes[1].midi, 64);
    EXPECT_EQ(notes[2].row, 16);
    EXPECT_EQ(barsOf(notes, 1, 2, 16).size(), 1u);
}

TEST(Score, ChordsShareTheirBarAndKeepTheirBass) {
    const std::vector<ChordSpan> spans = parseChords("C | Dm7 G7 | Am/C", 16);
    ASSERT_EQ(spans.size(), 4u);
    EXPECT_EQ(spans[1].row, 16);
    EXPECT_EQ(spans[1].length, 8);
    EXPECT_EQ(spans[2].row, 24);
    EXPECT_EQ(spans[1].chord.intervals, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(spans[3].chord.root, 9);
    EXPECT_EQ(spans[3].chord.bass, 0);
    EXPECT_EQ(&chordAt(spans, 30), &spans[2]);
    EXPECT_TRUE(chordHas(spans[2].chord, 5)); // F, the seventh of G7
}

TEST(Score, HarmonySitsAThirdOrMoreBelowOnChordTones) {
    const auto chords = parseChords("C | F | G7 | C", 16);
    const auto melody = parseMelody("e5.4 g5.4 c6.8 | a5.8 f5.8 | d5.4 f5.4 b5.8 | c6.16", 16);
    const auto harmony = harmonyBelow(melody, chords);
    ASSERT_EQ(harmony.size(), melody.size());
    for (std::size_t i = 0; i < melody.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(melody[i].midi - harmony[i].midi, 3);
        EXPECT_LE(melody[i].midi - harmony[i].midi, 12);
        EXPECT_TRUE(chordHas(chordAt(chords, melody[i].row).chord, harmony[i].midi));
        EXPECT_EQ(harmony[i].row, melody[i].row);
    }
}

// Every pitched channel: between two notes on it (and across the loop from its last note back to
// its first), volume slides take the earlier note all the way down to silence.
void expectNoNoteIsCutWhileItSounds(const Tune& tune) {
    const Arrangement& a = tune.music;
    std::set<int> pitched = {channel::kLead[0],    channel::kLead[1],    channel::kEcho[0], channel::kEcho[1],
                             channel::kCounter[0], channel::kCounter[1], channel::kBass[0], channel::kBass[1],
                             channel::kArp[0],     channel::kArp[1]};
    for (int i = 0; i < 3; ++i) {
        pitched.insert(channel::kPadA[i]);
        pitched.insert(channel::kPadB[i]);
    }
    for (int ch : pitched) {
        std::vector<int> noteRows;
        for (int r = 0; r < a.rows(); ++r) {
            if (a.at(r, ch).note) {
                noteRows.push_back(r);
            }
        }
        for (std::size_t i = 0; i < noteRows.size(); ++i) {
            const int from = noteRows[i];
            const int to = i + 1 < noteRows.size() ? noteRows[i + 1] : noteRows.front() + a.rows();
            int faded = 0;
            for (int r = from + 1; r < to; ++r) {
                const Cell& cell = a.at(r % a.rows(), ch);
                if (cell.effect == Effect::VolumeSlide && (cell.param & 0xF0) == 0) {
                    faded += 5 * cell.param; // five slide ticks a row at speed 6
                }
            }
            EXPECT_GE(faded, *a.at(from, ch).volume)
                << tune.name << ": channel " << ch << " row " << from << " is still sounding at row " << to;
        }
    }
}

TEST(Arrangement, NoTuneCutsOffANoteWhileItStillSounds) {
    for (auto compose : {puzzleTune, titleTune, classicTune, actionTune}) {
        const Tune tune = compose();
        ASSERT_EQ(tune.speed, 6);
        expectNoNoteIsCutWhileItSounds(tune);
    }
}

TEST(Arrangement, EveryTuneHasMelodyHarmonyBassAndDrumsOrPercussion) {
    for (auto compose : {puzzleTune, titleTune, classicTune, actionTune}) {
        const Tune tune = compose();
        SCOPED_TRACE(tune.name);
        auto notesOn = [&](std::initializer_list<int> channels) {
            int count = 0;
            for (int r = 0; r < tune.music.rows(); ++r) {
                for (int ch : channels) {
                    count += tune.music.at(r, ch).note ? 1 : 0;
                }
            }
            return count;
        };
        EXPECT_GT(notesOn({channel::kLead[0], channel::kLead[1]}), 60);
        EXPECT_GT(notesOn({channel::kCounter[0], channel::kCounter[1]}), 20);
        EXPECT_GT(notesOn({channel::kBass[0], channel::kBass[1]}), 16);
        EXPECT_GT(notesOn({channel::kPadA[0], channel::kPadB[0], channel::kArp[0], channel::kArp[1]}), 16);
        EXPECT_GT(notesOn({channel::kKick, channel::kSnare, channel::kHat, channel::kPerc}), 16);
    }
}

} // namespace
