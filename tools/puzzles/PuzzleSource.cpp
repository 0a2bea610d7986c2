// PuzzleSource.cpp: the catalogue as a text a person can edit, one block per puzzle.
#include "PuzzleSource.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace {

constexpr char kLetters[] = "RYGBLW*";

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') {
            ++end;
        }
        if (end > at) {
            out.emplace_back(line.substr(at, end - at));
        }
        at = end;
    }
    return out;
}

bool toInt(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

class Reader {
public:
    explicit Reader(std::string_view text)
        : m_text(text) {}

    // The next line that is neither blank nor a comment; false at the end.
    bool next(std::string& line) {
        while (m_at < m_text.size()) {
            const std::size_t end = std::min(m_text.find('\n', m_at), m_text.size());
            line.assign(m_text.substr(m_at, end - m_at));
            m_at = end + 1;
            ++m_line;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const auto first = line.find_first_not_of(" \t");
            if (first != std::string::npos && line[first] != '#') {
                return true;
            }
        }
        return false;
    }
    int line() const { return m_line; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 0;
};

bool parseCell(const std::string& word, int& colour, int& prize) {
    prize = -1;
    if (word == ".") {
        colour = -1;
        return true;
    }
    colour = colourOfLetter(word[0]);
    if (colour < 0 || word.size() > 2) {
        return false;
    }
    if (word.size() == 2) {
        if (word[1] < '0' || word[1] > '5') {
            return false;
        }
        prize = word[1] - '0';
    }
    return true;
}

} // namespace

char colourLetter(int colour) {
    return colour >= 0 && colour < 7 ? kLetters[colour] : '?';
}

int colourOfLetter(char letter) {
    for (int i = 0; i < 7; ++i) {
        if (kLetters[i] == letter) {
            return i;
        }
    }
    return -2;
}

bool parsePuzzleSource(std::string_view text, std::vector<SourcePuzzle>& puzzles, std::string& error) {
    Reader reader(text);
    std::string line;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(reader.line()) + ": " + what;
        return false;
    };
    while (reader.next(line)) {
        std::vector<std::string> w = words(line);
        if (w.size() != 2 || w[0] != "puzzle") {
            return fail("expected \"puzzle N\", found \"" + line + "\"");
        }
        SourcePuzzle puzzle;
        puzzle.line = reader.line();
        bool haveGrid = false;
        bool haveFloor = false;
        bool haveTitle = false;
        while (true) {
            if (!reader.next(line)) {
                return fail("the puzzle that starts on line " + std::to_string(puzzle.line) +
                            " has no \"end\"");
            }
            w = words(line);
            const std::string key = w.front();
            if (key == "end") {
                break;
            }
            if (key == "title") {
                const auto start = line.find("title") + 5;
                const auto first = line.find_first_not_of(" \t", start);
                const auto last = line.find_last_not_of(" \t");
                puzzle.title = first == std::string::npos ? "" : line.substr(first, last - first + 1);
                if (puzzle.title.empty() || puzzle.title.size() > SourcePuzzle::kTitleLimit) {
                    return fail("a title needs 1 to 40 characters");
                }
                if (puzzle.title.find_first_of(",\t") != std::string::npos) {
                    return fail("a title may not hold a comma or a tab");
                }
                haveTitle = true;
            } else if (key == "background") {
                if (w.size() != 2 || w[1].size() < 4 || w[1].rfind("act", 0) != 0 ||
                    !toInt(std::string_view(w[1]).substr(3), puzzle.background) || puzzle.background < 1 ||
                    puzzle.background > 102) {
                    return fail("expected \"background actNN\" with NN from 01 to 102");
                }
            } else if (key == "solution") {
                if (w.size() < 2 || (w[1] != "proven" && w[1] != "best" && w[1] != "none")) {
                    return fail("expected \"solution proven|best|none\" and the clicks as row,column");
                }
                puzzle.proven = w[1] == "proven";
                for (std::size_t i = 2; i < w.size(); ++i) {
                    const auto comma = w[i].find(',');
                    int row = 0;
                    int column = 0;
                    if (comma == std::string::npos || !toInt(std::string_view(w[i]).substr(0, comma), row) ||
                        !toInt(std::string_view(w[i]).substr(comma + 1), column) || row < 0 ||
                        row >= puzzle::kRows || column < 0 || column >= puzzle::kColumns) {
                        return fail("\"" + w[i] + "\" is not a click row,column on the board");
                    }
                    puzzle.solution.push_back({row, column});
                }
                if (puzzle.solution.size() > static_cast<std::size_t>(MoveRecord::kCapacity)) {
                    return fail("a solution holds at most 180 clicks");
                }
            } else if (key == "search") {
                int nodes = 0;
                if (w.size() != 2 || !toInt(w[1], nodes) || nodes < 0) {
                    return fail("expected \"search N\"");
                }
                puzzle.searchNodes = nodes;
            } else if (key == "grid") {
                for (int row = 0; row < puzzle::kRows; ++row) {
                    if (!reader.next(line)) {
                        return fail("the grid needs 10 rows");
                    }
                    w = words(line);
                    if (w.size() != puzzle::kColumns) {
                        return fail("a grid row needs 15 cells, found " + std::to_string(w.size()));
                    }
                    for (int column = 0; column < puzzle::kColumns; ++column) {
                        int colour = -1;
                        int prize = -1;
                        if (!parseCell(w[static_cast<std::size_t>(column)], colour, prize)) {
                            return fail("\"" + w[static_cast<std::size_t>(column)] +
                                        "\" is not a cell (. or R Y G B L W * with a prize digit 0-5)");
                        }
                        puzzle.level.setCell(row, column, colour, prize);
                    }
                }
                haveGrid = true;
            } else if (key == "floor") {
                if (!reader.next(line)) {
                    return fail("the floor needs a line of 15 slots");
                }
                w = words(line);
                if (w.size() != puzzle::kFloorSlots) {
                    return fail("the floor needs 15 slots, found " + std::to_string(w.size()));
                }
                for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
                    const std::string& s = w[static_cast<std::size_t>(slot)];
                    if (s == ".") {
                        puzzle.level.setTarget(slot, -1);
                    } else if (s.size() == 1 && s[0] >= '0' && s[0] <= '5') {
                        puzzle.level.setTarget(slot, s[0] - '0');
                    } else {
                        return fail("\"" + s + "\" is not a floor slot (. or a target digit 0-5)");
                    }
                }
                haveFloor = true;
            } else {
                return fail("unknown line \"" + line + "\"");
            }
        }
        if (!haveTitle || !haveGrid || !haveFloor) {
            error = "line " + std::to_string(puzzle.line) + ": a puzzle needs a title, a grid and a floor";
            return false;
        }
        puzzles.push_back(std::move(puzzle));
    }
    return true;
}

std::string writePuzzleSource(const std::vector<SourcePuzzle>& puzzles, std::string_view header) {
    std::ostringstream out;
    out << header;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const SourcePuzzle& p = puzzles[i];
        out << "\npuzzle " << i + 1 << "\n";
        out << "title      " << p.title << "\n";
        char act[16];
        std::snprintf(act, sizeof act, "act%02d", p.background);
        out << "background " << act << "\n";
        out << "solution   " << (p.solution.empty() ? "none" : p.proven ? "proven" : "best");
        for (const PuzzleMove& move : p.solution) {
            out << " " << move.row << "," << move.column;
        }
        out << "\n";
        if (p.searchNodes > 0) {
            out << "search     " << p.searchNodes << "\n";
        }
        out << "grid\n";
        for (int row = 0; row < puzzle::kRows; ++row) {
            for (int column = 0; column < puzzle::kColumns; ++column) {
                const int colour = p.level.colour(row, column);
                const int prize = p.level.prize(row, column);
                std::string cell = colour < 0 ? "." : std::string(1, colourLetter(colour));
                if (colour >= 0 && prize >= 0) {
                    cell += static_cast<char>('0' + prize);
                }
                out << (column == 0 ? " " : " ") << cell << (cell.size() == 1 ? " " : "");
            }
            out << "\n";
        }
        out << "floor\n";
        for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
            const int target = p.level.target(slot);
            out << " " << (target < 0 ? '.' : static_cast<char>('0' + target)) << " ";
        }
        out << "\nend\n";
    }
    return out.str();
}
