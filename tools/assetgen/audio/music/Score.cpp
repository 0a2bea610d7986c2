// Score.cpp: a compact text notation for melodies and chord progressions, read into note events.
#include "Score.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <string>

namespace tracker {

namespace {

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\n' || text[at] == '\t')) {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\n' && text[at] != '\t') {
            ++at;
        }
        if (at > start) {
            out.push_back(text.substr(start, at - start));
        }
    }
    return out;
}

int pitchClass(char letter) {
    constexpr int kClasses[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    const int index = std::tolower(static_cast<unsigned char>(letter)) - 'a';
    assert(index >= 0 && index < 7);
    return kClasses[index];
}

// The letter and accidental at the start of `text`; `used` tells how many characters they took.
int notePitchClass(std::string_view text, std::size_t& used) {
    int pc = pitchClass(text[0]);
    used = 1;
    if (text.size() > 1 && text[1] == '#') {
        pc += 1, used = 2;
    } else if (text.size() > 1 && text[1] == 'b') {
        pc += 11, used = 2;
    }
    return pc % 12;
}

int toInt(std::string_view text) {
    int value = 0;
    [[maybe_unused]] const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    assert(result.ec == std::errc() && result.ptr == text.data() + text.size());
    return value;
}

} // namespace

int parsePitch(std::string_view name) {
    std::size_t used = 0;
    const int pc = notePitchClass(name, used);
    const int octave = toInt(name.substr(used));
    const int raw = 12 * (octave + 1) + pc;
    // A flat on C or a sharp on B crosses the octave boundary.
    if (name.size() > 1 && name[1] == 'b' && std::tolower(static_cast<unsigned char>(name[0])) == 'c') {
        return raw - 12;
    }
    if (name.size() > 1 && name[1] == '#' && std::tolower(static_cast<unsigned char>(name[0])) == 'b') {
        return raw + 12;
    }
    return raw;
}

std::vector<NoteEvent> parseMelody(std::string_view text, [[maybe_unused]] int rowsPerBar) {
    std::vector<NoteEvent> out;
    int row = 0;
    for (std::string_view token : words(text)) {
        if (token == "|") {
            assert(row % rowsPerBar == 0 && "bar line in the middle of a bar");
            continue;
        }
        const std::size_t dot = token.find('.');
        assert(dot != std::string_view::npos);
        const int length = toInt(token.substr(dot + 1));
        const std::string_view pitch = token.substr(0, dot);
        if (pitch != "r") {
            out.push_back({row, length, parsePitch(pitch)});
        }
        row += length;
    }
    return out;
}

std::vector<NoteEvent> barsOf(const std::vector<NoteEvent>& notes, int firstBar, int endBar, int rowsPerBar) {
    std::vector<NoteEvent> out;
    for (const NoteEvent& n : notes) {
        if (n.row >= firstBar * rowsPerBar && n.row < endBar * rowsPerBar) {
            out.push_back(n);
        }
    }
    return out;
}

Chord parseChord(std::string_view symbol) {
    Chord chord;
    std::size_t used = 0;
    chord.root = notePitchClass(symbol, used);
    std::string_view rest = symbol.substr(used);
    chord.bass = chord.root;
    if (const std::size_t slash = rest.find('/'); slash != std::string_view::npos) {
        std::size_t bassUsed = 0;
        chord.bass = notePitchClass(rest.substr(slash + 1), bassUsed);
        rest = rest.substr(0, slash);
    }
    if (rest == "") {
        chord.intervals = {0, 4, 7};
    } else if (rest == "m") {
        chord.intervals = {0, 3, 7};
    } else if (rest == "7") {
        chord.intervals = {0, 4, 7, 10};
    } else if (rest == "m7") {
        chord.intervals = {0, 3, 7, 10};
    } else if (rest == "maj7") {
        chord.intervals = {0, 4, 7, 11};
    } else if (rest == "sus4") {
        chord.intervals = {0, 5, 7};
    } else if (rest == "sus2") {
        chord.intervals = {0, 2, 7};
    } else if (rest == "dim") {
        chord.intervals = {0, 3, 6};
    } else if (rest == "6") {
        chord.intervals = {0, 4, 7, 9};
    } else {
        assert(false && "unknown chord quality");
    }
    return chord;
}

std::vector<ChordSpan> parseChords(std::string_view text, int rowsPerBar) {
    std::vector<ChordSpan> out;
    int bar = 0;
    std::vector<std::string_view> inBar;
    auto closeBar = [&] {
        if (inBar.empty()) {
            return;
        }
        const int length = rowsPerBar / static_cast<int>(inBar.size());
        for (std::size_t i = 0; i < inBar.size(); ++i) {
            out.push_back({bar * rowsPerBar + static_cast<int>(i) * length, length, parseChord(inBar[i])});
        }
        inBar.clear();
        ++bar;
    };
    for (std::string_view token : words(text)) {
        if (token == "|") {
            closeBar();
        } else {
            inBar.push_back(token);
        }
    }
    closeBar();
    return out;
}

const ChordSpan& chordAt(const std::vector<ChordSpan>& chords, int row) {
    assert(!chords.empty());
    for (const ChordSpan& span : chords) {
        if (row < span.row + span.length) {
            return span;
        }
    }
    return chords.back();
}

bool chordHas(const Chord& chord, int pc) {
    return std::any_of(chord.intervals.begin(), chord.intervals.end(),
                       [&](int interval) { return (chord.root + interval) % 12 == ((pc % 12) + 12) % 12; });
}

} // namespace tracker
