// Arrangement.cpp: a whole section laid out on the tracker grid, and the parts that fill it.
#include "Arrangement.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>

namespace tracker {

namespace {

// A volume slide acts on every tick of a row but the first; every section runs at speed 6.
constexpr int kSlideTicksPerRow = 5;
// A released note fades over this many rows when there is room; ringing notes fade when the
// next note starts.
constexpr int kReleaseRows = 2;
// The previous chord fades over this many rows while the next one swells in.
constexpr int kPadFadeRows = 4;

// A note of a melodic part, before it is given a channel.
struct PartNote {
    int row;
    int length;
    int midi;
    int volume;
    bool releaseAtEnd; // fade when the note ends; otherwise ring on until the next note starts
};

// Plays the notes on the two channels of `pair` in turn. Every note is faded out before its
// channel is needed again (two notes later), and a part never leaves a note ringing past its
// last one, so no channel is ever retriggered while it sounds.
void placeOnPair(Arrangement& arrangement, const channel::Pair& pair, const std::vector<PartNote>& notes,
                 Instrument instrument, int vibratoAfter = 0, uint8_t vibrato = 0) {
    const int end = arrangement.rows();
    if (notes.empty()) {
        return;
    }
    // Start on the channel an earlier part on this pair used less recently, and fade the other.
    const int first =
        arrangement.lastNoteRow(pair[0], notes[0].row) > arrangement.lastNoteRow(pair[1], notes[0].row) ? 1
                                                                                                        : 0;
    arrangement.fadeOut(pair[1 - first], notes[0].row, 64, 1);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const PartNote& n = notes[i];
        // A note needs at least one row after it to fade out in before the section loops.
        if (n.row >= end - 1) {
            break;
        }
        const int ch = pair[(i + first) % 2];
        arrangement.note(ch, n.row, n.midi, instrument, n.volume);
        if (vibratoAfter > 0 && n.length >= vibratoAfter) {
            for (int r = n.row + 2; r < std::min(end, n.row + n.length); ++r) {
                arrangement.effect(ch, r, Effect::Vibrato, vibrato);
            }
        }
        const bool last = i + 1 == notes.size();
        const int next = last ? end : notes[i + 1].row;
        const int reuse = i + 2 < notes.size() ? notes[i + 2].row : end;
        const int fadeStart = n.releaseAtEnd || last ? n.row + n.length : next;
        // A note that would still sound at the loop point is faded on the last row instead.
        const int from = std::min(fadeStart, end - 1);
        arrangement.fadeOut(ch, from, n.volume, std::clamp(reuse - from, 1, kReleaseRows));
    }
}

int clampVolume(int v) {
    return std::clamp(v, 0, 64);
}

// The lowest pitch of class `pc` at or above `floor`.
int placeAbove(int pc, int floor) {
    return floor + (((pc - floor) % 12) + 12) % 12;
}

int offBeatVolume(int volume) {
    return volume * 7 / 8;
}

bool onBeat(int row) {
    return row % 4 == 0;
}

std::vector<int> padPitchClasses(const Chord& chord) {
    std::vector<int> pcs;
    for (int interval : chord.intervals) {
        // Four-note chords on three voices leave out the fifth, which adds least colour.
        if (chord.intervals.size() > 3 && interval == 7) {
            continue;
        }
        pcs.push_back((chord.root + interval) % 12);
    }
    return pcs;
}

// The three-note voicing of `pcs` within [low, high] that moves least from `previous` (or sits
// nearest the middle of the range for the first chord).
std::array<int, 3> voice(const std::vector<int>& pcs, int low, int high, const std::array<int, 3>* previous) {
    std::vector<int> pitches;
    for (int p = low; p <= high; ++p) {
        if (std::find(pcs.begin(), pcs.end(), p % 12) != pcs.end()) {
            pitches.push_back(p);
        }
    }
    std::array<int, 3> best{};
    int bestScore = 1 << 30;
    for (std::size_t a = 0; a < pitches.size(); ++a) {
        for (std::size_t b = a + 1; b < pitches.size(); ++b) {
            for (std::size_t c = b + 1; c < pitches.size(); ++c) {
                const std::array<int, 3> v = {pitches[a], pitches[b], pitches[c]};
                // All three pitch classes present, spread no wider than an octave and a half.
                if (v[2] - v[0] > 19 || v[0] % 12 == v[1] % 12 || v[1] % 12 == v[2] % 12 ||
                    v[0] % 12 == v[2] % 12) {
                    continue;
                }
                int score = 0;
                if (previous != nullptr) {
                    for (int i = 0; i < 3; ++i) {
                        score += std::abs(v[i] - (*previous)[i]);
                    }
                } else {
                    score = std::abs(v[0] + v[1] + v[2] - 3 * (low + high) / 2);
                }
                if (score < bestScore) {
                    bestScore = score;
                    best = v;
                }
            }
        }
    }
    assert(bestScore < (1 << 30) && "no voicing fits the range");
    return best;
}

} // namespace

std::vector<uint8_t> channelPanning() {
    std::vector<uint8_t> pan(channel::kCount, 32);
    for (int i = 0; i < 2; ++i) {
        pan[channel::kEcho[i]] = 46;
        pan[channel::kCounter[i]] = 22;
    }
    for (int i = 0; i < 3; ++i) {
        pan[channel::kPadA[i]] = static_cast<uint8_t>(18 + 14 * i);
        pan[channel::kPadB[i]] = static_cast<uint8_t>(46 - 14 * i);
    }
    // Broken chords bounce gently between left and right.
    pan[channel::kArp[0]] = 42;
    pan[channel::kArp[1]] = 24;
    pan[channel::kSnare] = 30;
    pan[channel::kHat] = 42;
    pan[channel::kPerc] = 22;
    pan[channel::kCrash] = 38;
    return pan;
}

Arrangement::Arrangement(int bars, int rowsPerBar)
    : m_rowsPerBar(rowsPerBar)
    , m_grid(bars * rowsPerBar, channel::kCount) {}

void Arrangement::note(int channel, int row, int midi, Instrument instrument, int volume) {
    if (row < 0 || row >= rows()) {
        return;
    }
    Cell& cell = at(row, channel);
    cell.note = static_cast<uint8_t>(std::clamp(midi, 0, 119));
    cell.sample = sampleNumber(instrument);
    cell.volume = static_cast<uint8_t>(clampVolume(volume));
    if (cell.effect == Effect::VolumeSlide) {
        cell.effect = Effect::None;
        cell.param = 0;
    }
}

int Arrangement::lastNoteRow(int channel, int beforeRow) const {
    for (int r = std::min(beforeRow, rows()) - 1; r >= 0; --r) {
        if (m_grid.at(r, channel).note) {
            return r;
        }
    }
    return -1;
}

void Arrangement::fadeOut(int channel, int row, int volume, int withinRows) {
    const int rowsNeeded = std::max(1, withinRows);
    const int perTick =
        std::clamp((volume + kSlideTicksPerRow * rowsNeeded - 1) / (kSlideTicksPerRow * rowsNeeded), 1, 15);
    const int slideRows = (volume + kSlideTicksPerRow * perTick - 1) / (kSlideTicksPerRow * perTick);
    for (int r = row; r < std::min(rows(), row + slideRows); ++r) {
        if (at(r, channel).note) {
            break;
        }
        effect(channel, r, Effect::VolumeSlide, static_cast<uint8_t>(perTick));
    }
}

void Arrangement::effect(int channel, int row, Effect effect, uint8_t param) {
    if (row < 0 || row >= rows()) {
        return;
    }
    Cell& cell = at(row, channel);
    cell.effect = effect;
    cell.param = param;
}

std::vector<Pattern> Arrangement::patterns(int rowsPerPattern) const {
    assert(rows() % rowsPerPattern == 0);
    std::vector<Pattern> out;
    for (int start = 0; start < rows(); start += rowsPerPattern) {
        Pattern p(rowsPerPattern, m_grid.channels);
        for (int r = 0; r < rowsPerPattern; ++r) {
            for (int c = 0; c < m_grid.channels; ++c) {
                p.at(r, c) = m_grid.at(start + r, c);
            }
        }
        out.push_back(std::move(p));
    }
    return out;
}

void playLine(Arrangement& arrangement, const std::vector<NoteEvent>& notes, const LineStyle& style) {
    std::vector<PartNote> part;
    for (const NoteEvent& n : notes) {
        const int volume = style.accentBeats && !onBeat(n.row) ? offBeatVolume(style.volume) : style.volume;
        part.push_back({n.row + style.delay, n.length, n.midi + style.transpose, volume, style.releaseNotes});
    }
    placeOnPair(arrangement, style.channels, part, style.instrument, style.vibratoAfter, style.vibrato);
}

std::vector<NoteEvent> harmonyBelow(const std::vector<NoteEvent>& melody,
                                    const std::vector<ChordSpan>& chords) {
    std::vector<NoteEvent> out;
    for (const NoteEvent& n : melody) {
        const Chord& chord = chordAt(chords, n.row).chord;
        int pitch = n.midi - 12;
        for (int p = n.midi - 3; p > n.midi - 12; --p) {
            if (chordHas(chord, p)) {
                pitch = p;
                break;
            }
        }
        out.push_back({n.row, n.length, pitch});
    }
    return out;
}

void playPad(Arrangement& arrangement, const std::vector<ChordSpan>& chords, int volume, int low, int high,
             int firstBar, int endBar) {
    const int firstRow = firstBar * arrangement.rowsPerBar();
    const int endRow = endBar * arrangement.rowsPerBar();
    std::vector<ChordSpan> spans;
    for (const ChordSpan& span : chords) {
        if (span.row >= firstRow && span.row < endRow) {
            spans.push_back(span);
        }
    }
    // An even number of chords, so the last one (set B) hands over to the first (set A) when
    // the section loops: the longest chord is struck twice if need be.
    if (spans.size() % 2 == 1) {
        auto longest =
            std::max_element(spans.begin(), spans.end(),
                             [](const ChordSpan& a, const ChordSpan& b) { return a.length < b.length; });
        ChordSpan second = *longest;
        longest->length /= 2;
        second.row += longest->length;
        second.length -= longest->length;
        spans.insert(longest + 1, second);
    }
    std::array<int, 3> previous{};
    for (std::size_t index = 0; index < spans.size(); ++index) {
        const ChordSpan& span = spans[index];
        const std::array<int, 3> v =
            voice(padPitchClasses(span.chord), low, high, index > 0 ? &previous : nullptr);
        const auto& on = index % 2 == 0 ? channel::kPadA : channel::kPadB;
        const auto& off = index % 2 == 0 ? channel::kPadB : channel::kPadA;
        for (int i = 0; i < 3; ++i) {
            arrangement.fadeOut(off[i], span.row, volume, kPadFadeRows);
            arrangement.note(on[i], span.row, v[i], Instrument::Pad, volume);
        }
        previous = v;
    }
}

void playBass(Arrangement& arrangement, const std::vector<ChordSpan>& chords, std::string_view barSteps,
              int volume, int lowest, int firstBar, int endBar) {
    const int perBar = arrangement.rowsPerBar();
    assert(static_cast<int>(barSteps.size()) == perBar);
    std::vector<PartNote> part;
    for (int row = firstBar * perBar; row < endBar * perBar; ++row) {
        const char step = barSteps[row % perBar];
        if (step == '-' && !part.empty()) {
            part.back().releaseAtEnd = true;
            continue;
        }
        const ChordSpan& span = chordAt(chords, row);
        const Chord& chord = span.chord;
        const int root = placeAbove(chord.root, lowest);
        int pitch = -1;
        switch (step) {
        case 'R':
            pitch = placeAbove(chord.bass, lowest);
            break;
        case '5':
            pitch = root + 7;
            break;
        case 'L':
            pitch = root - 5;
            break;
        case '8':
            pitch = root + 12;
            break;
        case '3':
            pitch = root + chord.intervals[1];
            break;
        case '7':
            pitch = root + (chord.intervals.size() > 3 ? chord.intervals[3] : 12);
            break;
        case 'A':
            pitch = placeAbove(chordAt(chords, span.row + span.length).chord.root, lowest) - 1;
            break;
        default:
            break;
        }
        if (pitch < 0) {
            if (!part.empty() && !part.back().releaseAtEnd) {
                ++part.back().length;
            }
            continue;
        }
        part.push_back({row, 1, pitch, onBeat(row) ? volume : offBeatVolume(volume), false});
    }
    placeOnPair(arrangement, channel::kBass, part, Instrument::Bass);
}

void playArpeggio(Arrangement& arrangement, const std::vector<ChordSpan>& chords, std::string_view barSteps,
                  Instrument instrument, int volume, int base, int firstBar, int endBar) {
    const int perBar = arrangement.rowsPerBar();
    assert(static_cast<int>(barSteps.size()) == perBar);
    std::vector<PartNote> part;
    for (int row = firstBar * perBar; row < endBar * perBar; ++row) {
        const char c = barSteps[row % perBar];
        if (c < '0' || c > '9') {
            if (!part.empty()) {
                ++part.back().length;
            }
            continue;
        }
        const Chord& chord = chordAt(chords, row).chord;
        std::vector<int> ladder;
        for (int p = base; ladder.size() < 10; ++p) {
            if (chordHas(chord, p)) {
                ladder.push_back(p);
            }
        }
        part.push_back({row, 1, ladder[c - '0'], onBeat(row) ? volume : offBeatVolume(volume), false});
    }
    placeOnPair(arrangement, channel::kArp, part, instrument);
}

void playDrum(Arrangement& arrangement, int channel, Instrument instrument, std::string_view barHits,
              int volume, int firstBar, int endBar) {
    const int perBar = arrangement.rowsPerBar();
    assert(static_cast<int>(barHits.size()) == perBar);
    for (int bar = firstBar; bar < endBar; ++bar) {
        for (int step = 0; step < perBar; ++step) {
            int v = 0;
            switch (barHits[step]) {
            case 'X':
                v = volume;
                break;
            case 'x':
                v = volume * 3 / 4;
                break;
            case 'o':
                v = volume * 9 / 20;
                break;
            default:
                continue;
            }
            arrangement.note(channel, bar * perBar + step, 60, instrument, v);
        }
    }
}

} // namespace tracker
