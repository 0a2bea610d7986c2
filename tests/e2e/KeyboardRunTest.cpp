// End-to-end runs of the real binary played from the keyboard: a Classic game from the title to
// its end without a single pointer event, and a game left in the middle that a second run
// continues with the same board and score.
#include "GameRun.h"

#include <cstdint>
#include <cstring>
#include <sstream>

#include <gtest/gtest.h>

namespace {

struct Area {
    int left, top, width, height;
};
// The board with its prize shelf, and the score plaque.
constexpr Area kBoardAndShelf{166, 8, 440, 440};
constexpr Area kScorePlaque{512, 449, 120, 28};

int differingPixels(const Screenshot& a, const Screenshot& b, const Area& area) {
    int differing = 0;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            differing += a.at(x, y) != b.at(x, y) ? 1 : 0;
        }
    }
    return differing;
}

int32_t gamesPlayed(const TempDir& home) {
    const std::string stats = readTextFile(home / "data" / "stats0.bin");
    int32_t played = 0;
    if (stats.size() >= sizeof played) {
        std::memcpy(&played, stats.data(), sizeof played);
    }
    return played;
}

// Builds a script of one key a line, two frames apart (a key is held for one pass).
class KeyScript {
public:
    explicit KeyScript(int frame)
        : m_frame(frame) {}
    KeyScript& key(const std::string& name, int gap = 2) {
        m_text << m_frame << " key " << name << "\n";
        m_frame += gap;
        return *this;
    }
    KeyScript& wait(int frames) {
        m_frame += frames;
        return *this;
    }
    KeyScript& line(const std::string& event) {
        m_text << m_frame << " " << event << "\n";
        return *this;
    }
    // From the top of the board, row by row, snaking: Enter on every balloon met.
    KeyScript& sweep(int rows) {
        for (int i = 0; i < 10; ++i) {
            key("Up");
        }
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 15; ++column) {
                key("Enter").key(row % 2 == 0 ? "Right" : "Left");
            }
            key("Enter").key("Down");
        }
        return *this;
    }
    int frame() const { return m_frame; }
    std::string text() const { return m_text.str(); }

private:
    int m_frame;
    std::ostringstream m_text;
};

// The title's first button is Classic: Down shows the focus on it, Enter opens it; Enter then
// closes the intro picture and Down shows the ring on the board.
KeyScript openClassicByKeys() {
    KeyScript script(40);
    script.key("Down", 10).key("Enter", 70).key("Enter", 60).key("Down", 4);
    return script;
}

ProcessResult runScript(const TempDir& home, const std::string& name, const std::string& script, int frames) {
    writeText(home / name, script);
    return runGame(home,
                   {"--seed", "7", "--frames", std::to_string(frames), "--script", (home / name).string()});
}

TEST(KeyboardRun, AClassicGameIsPlayedToItsEndWithKeysAlone) {
    TempDir home;
    KeyScript script = openClassicByKeys();
    for (int pass = 0; pass < 3; ++pass) {
        script.sweep(10);
    }
    const std::string text = script.text();
    ASSERT_EQ(text.find(" move "), std::string::npos);
    ASSERT_EQ(text.find(" down "), std::string::npos);
    ASSERT_EQ(text.find(" up "), std::string::npos);

    const ProcessResult run = runScript(home, "keys.txt", text, script.frame() + 20);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_GE(gamesPlayed(home), 1) << "the keys played a game to its end";
}

TEST(KeyboardRun, AGameLeftInTheMiddleIsContinuedAfterARestartWithItsBoardAndScore) {
    TempDir home;
    KeyScript first = openClassicByKeys();
    first.sweep(3).wait(180);
    // The pointer moves off the board so neither the ring nor a hovered group is in the picture.
    first.line("move 620 300").wait(30).line("shot " + (home / "left.png").string()).wait(10).line("quit");
    const ProcessResult leaving = runScript(home, "first.txt", first.text(), first.frame() + 30);
    ASSERT_EQ(leaving.exitCode, 0) << leaving.output;
    ASSERT_TRUE(std::filesystem::exists(home / "data" / "classic.resume"));

    KeyScript second = openClassicByKeys();
    second.wait(40).line("shot " + (home / "asked.png").string()).wait(10).key("Enter", 200);
    second.line("shot " + (home / "continued.png").string());
    const ProcessResult continuing = runScript(home, "second.txt", second.text(), second.frame() + 10);
    ASSERT_EQ(continuing.exitCode, 0) << continuing.output;

    const auto left = readScreenshot(home / "left.png");
    const auto asked = readScreenshot(home / "asked.png");
    const auto continued = readScreenshot(home / "continued.png");
    ASSERT_TRUE(left && asked && continued);
    EXPECT_GT(differingPixels(*left, *asked, kBoardAndShelf), 0) << "a fresh deal behind the question";
    EXPECT_GT(differingPixels(*left, *asked, kScorePlaque), 0);
    EXPECT_EQ(differingPixels(*left, *continued, kBoardAndShelf), 0) << "the same board and prizes";
    EXPECT_EQ(differingPixels(*left, *continued, kScorePlaque), 0) << "the same score";
}

} // namespace
