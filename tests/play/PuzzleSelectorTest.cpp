// PuzzleSelectorTest.cpp: the puzzle selector over the generated data, driven frame by frame.
#include "play/puzzle/PuzzleSelector.h"

#include "PlayWorld.h"
#include "engine/video/PngFile.h"
#include "engine/video/ksImage.h"
#include "game/puzzle/PuzzleCatalog.h"
#include "stage/CuePlayer.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

class RecordedCues final : public CuePlayer {
public:
    int play(std::string_view cue) override {
        played.emplace_back(cue);
        return -1;
    }
    void stop(int, std::string_view) override {}
    bool has(std::string_view cue) const {
        return std::find(played.begin(), played.end(), cue) != played.end();
    }

    std::vector<std::string> played;
};

// Stands in for the Puzzle screen: its backdrop is a puzzle's picture, and while the selector is
// open each frame goes to it, as the screen's frame does.
class SelectorHost final : public GameScreen {
public:
    SelectorHost(GameContext& context, const PuzzleCatalog& catalog)
        : m_context(context)
        , m_catalog(catalog)
        , m_dialogs(context.resources)
        , selector(context, m_dialogs, *this, catalog, cues) {}

    void openSelector(bool onEntry) {
        redraw();
        selector.open(m_context.profile, m_context.settings, onEntry);
        selector.dialog().open();
    }
    void enter() override {}
    bool update() override {
        m_input.poll();
        if (selector.dialog().isOpen()) {
            const PuzzleSelector::Outcome result = selector.step(m_input, m_context.profile);
            if (result != PuzzleSelector::Outcome::Open) {
                outcome = result;
                selector.dialog().close();
            }
        }
        ksInput::clearAll();
        return false;
    }
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override {
        m_context.canvas.selectBackground();
        if (const ksImage* backdrop = m_catalog.background(0)) {
            backdrop->draw(0, 0);
        }
        m_context.canvas.selectFrame();
        m_context.canvas.copyBackgroundToFrame();
    }

    RecordedCues cues;

private:
    GameContext& m_context;
    const PuzzleCatalog& m_catalog;
    DialogManager m_dialogs;
    ksInput m_input;

public:
    PuzzleSelector selector;
    std::optional<PuzzleSelector::Outcome> outcome;
};

// Slot centres on the screen with the dialog centred: dialog-relative centre + (78, 0).
constexpr int slotCentreX(int slot) {
    return 78 + (slot % 3 == 0 ? 120 : slot % 3 == 1 ? 245 : 370);
}
constexpr int slotCentreY(int slot) {
    return slot < 3 ? 155 : 261;
}
constexpr int kPreviousX = 78 + 36, kNextX = 78 + 448, kPageButtonY = 207;

class PuzzleSelectorTest : public PlayWorld {
protected:
    PuzzleSelectorTest()
        : m_catalog(PuzzleCatalog::load(resources(), dataDir())) {}

    SelectorHost& host() {
        if (!m_host) {
            m_host = std::make_unique<SelectorHost>(*m_context, m_catalog);
            start(*m_host, kPuzzleScreen);
        }
        return *m_host;
    }
    void openAndWait(bool onEntry = false) {
        host().openSelector(onEntry);
        ASSERT_TRUE(runUntil([&] { return m_host->selector.dialog().getOpacity() >= 1.0f; }, 120));
        frame();
    }
    void closeWithEnter() {
        typeKey(kEnter);
        ASSERT_TRUE(runUntil([&] { return m_host->outcome.has_value(); }, 60));
    }

    PuzzleCatalog m_catalog;
    std::unique_ptr<SelectorHost> m_host;
};

TEST_F(PuzzleSelectorTest, OpensOnThePageOfTheCurrentPuzzleWithTheProgressOfTheProfile) {
    m_profile.setCurrentPuzzle(8);
    m_profile.setBest(0, 5);
    m_profile.setBest(1, 7);
    host().openSelector(true);
    const PuzzleSelector& selector = m_host->selector;
    EXPECT_EQ(selector.pageFirst(), 6);
    EXPECT_EQ(selector.hoveredPuzzle(), 8);
    EXPECT_TRUE(selector.wasOpenedOnEntry());
    EXPECT_TRUE(selector.isCancelled());
    EXPECT_EQ(selector.progress().unlockedAtOpen, 6);
    // The generated settings unlock after every third solution: two solved, one to go.
    EXPECT_EQ(selector.progress().toNextUnlock, 1);
    EXPECT_EQ(selector.nextUnlockLine().view(), "Next Unlock in 1 puzzle");
}

TEST_F(PuzzleSelectorTest, PageButtonsStopAtTheFirstAndLastPage) {
    m_profile.setCurrentPuzzle(101);
    openAndWait();
    SelectorHost& h = *m_host;
    EXPECT_EQ(h.selector.pageFirst(), 96);
    click(kNextX, kPageButtonY);
    EXPECT_EQ(h.selector.pageFirst(), 96);
    click(kPreviousX, kPageButtonY);
    EXPECT_EQ(h.selector.pageFirst(), 90);
    EXPECT_TRUE(h.cues.has(PuzzleSelector::kClickCue));

    m_profile.setCurrentPuzzle(3);
    closeWithEnter();
    h.outcome.reset();
    openAndWait();
    EXPECT_EQ(h.selector.pageFirst(), 0);
    click(kPreviousX, kPageButtonY);
    EXPECT_EQ(h.selector.pageFirst(), 0);
    click(kNextX, kPageButtonY);
    EXPECT_EQ(h.selector.pageFirst(), 6);
    EXPECT_TRUE(h.selector.dialog().isOpen());
}

TEST_F(PuzzleSelectorTest, HoveringALockedPuzzleShowsNoInformation) {
    m_profile.setCurrentPuzzle(0);
    m_profile.addAttempt(1);
    openAndWait();
    movePointer(slotCentreX(1), slotCentreY(1));
    frames(2);
    EXPECT_EQ(m_host->selector.hoveredPuzzle(), 1);
    EXPECT_EQ(m_host->selector.info().history.view(), "You've attempted this puzzle 1 time.");

    // Puzzles 7 to 12 of the next page are locked.
    click(kNextX, kPageButtonY);
    movePointer(slotCentreX(4), slotCentreY(4));
    frames(2);
    EXPECT_EQ(m_host->selector.hoveredPuzzle(), -1);
    // The places of the information lines show the dialog without text.
    for (int x = 200; x < 440; x += 3) {
        EXPECT_EQ(shownPixel(x, 322) & 0xFFFFFF, backgroundAt(x, 322) & 0xFFFFFF) << x;
        EXPECT_EQ(shownPixel(x, 375) & 0xFFFFFF, backgroundAt(x, 375) & 0xFFFFFF) << x;
    }
}

TEST_F(PuzzleSelectorTest, ALockedPuzzleRefusesAndAnUnlockedOneIsChosen) {
    m_profile.setCurrentPuzzle(0);
    openAndWait();
    SelectorHost& h = *m_host;
    click(kNextX, kPageButtonY);
    click(slotCentreX(0), slotCentreY(0));
    frames(20);
    EXPECT_TRUE(h.cues.has(PuzzleSelector::kRefusalCue));
    EXPECT_FALSE(h.outcome.has_value());
    EXPECT_TRUE(h.selector.dialog().isOpen());
    EXPECT_EQ(m_profile.currentPuzzle(), 0);

    click(kPreviousX, kPageButtonY);
    click(slotCentreX(4), slotCentreY(4));
    ASSERT_TRUE(runUntil([&] { return h.outcome.has_value(); }, 60));
    EXPECT_EQ(*h.outcome, PuzzleSelector::Outcome::Chosen);
    EXPECT_EQ(h.selector.chosenPuzzle(), 4);
    EXPECT_EQ(m_profile.currentPuzzle(), 4);
    EXPECT_EQ(m_profile.attempts(4), 1);
    EXPECT_FALSE(h.selector.dialog().isOpen());
}

TEST_F(PuzzleSelectorTest, TheBuiltInPlayerTurnsToThePuzzleItWantsAndChoosesIt) {
    m_profile.unlockPuzzles(12);
    m_profile.setCurrentPuzzle(15);
    openAndWait();
    SelectorHost& h = *m_host;
    for (int i = 0; i < 6 && !h.outcome; ++i) {
        const AutoplayPoint at = h.selector.clickToChoose(4);
        click(at.x, at.y);
    }
    ASSERT_TRUE(runUntil([&] { return h.outcome.has_value(); }, 60));
    EXPECT_EQ(h.selector.chosenPuzzle(), 4);
    EXPECT_EQ(m_profile.currentPuzzle(), 4);
}

TEST_F(PuzzleSelectorTest, EnterCancelsAndLeavesTheProfileAsItWas) {
    m_profile.setCurrentPuzzle(2);
    openAndWait(true);
    SelectorHost& h = *m_host;
    click(kNextX, kPageButtonY);
    closeWithEnter();
    EXPECT_EQ(*h.outcome, PuzzleSelector::Outcome::Cancelled);
    EXPECT_TRUE(h.selector.wasOpenedOnEntry());
    EXPECT_TRUE(h.cues.has(PuzzleSelector::kClickCue));
    // Turning a page chose nothing: the puzzle in progress stays the current one.
    EXPECT_EQ(m_profile.currentPuzzle(), 2);
    EXPECT_EQ(m_profile.attempts(2), 0);
}

TEST_F(PuzzleSelectorTest, TabReachesAPictureShowsItsPuzzleAndEnterChoosesIt) {
    m_profile.setCurrentPuzzle(0);
    openAndWait();
    SelectorHost& h = *m_host;
    // CANCEL, the two page buttons, then the pictures in order: the sixth Tab is on puzzle 2.
    for (int i = 0; i < 6; ++i) {
        typeKey(9);
    }
    frame();
    EXPECT_EQ(h.selector.hoveredPuzzle(), 2) << "the information lines follow the keyboard";
    typeKey(kEnter);
    ASSERT_TRUE(runUntil([&] { return h.outcome.has_value(); }, 60));
    EXPECT_EQ(*h.outcome, PuzzleSelector::Outcome::Chosen);
    EXPECT_EQ(m_profile.currentPuzzle(), 2);
}

TEST_F(PuzzleSelectorTest, EveryPuzzleUnlockedReadsAllPuzzlesUnlocked) {
    m_profile.unlockPuzzles(102);
    host().openSelector(false);
    EXPECT_EQ(m_host->selector.nextUnlockLine().view(), "All puzzles unlocked!");
}

TEST_F(PuzzleSelectorTest, WithoutTheUnlockSettingNoBottomLineShows) {
    std::string text = s_world->gameSettings;
    const std::size_t at = text.find("puzzlesUnlockAfter=");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::string("puzzlesUnlockAfter").size(), "somethingElse");
    settings().setGameSettings(text);
    m_profile.setBest(0, 4);
    openAndWait();
    EXPECT_EQ(m_host->selector.progress().toNextUnlock, 0);
    EXPECT_TRUE(m_host->selector.nextUnlockLine().empty());
    for (int x = 200; x < 440; x += 3) {
        EXPECT_EQ(shownPixel(x, 398) & 0xFFFFFF, backgroundAt(x, 398) & 0xFFFFFF) << x;
    }
    closeWithEnter();
}

TEST_F(PuzzleSelectorTest, APictureIsTheFieldAsTheScreenDrawsItScaledDown) {
    // One balloon of colour 3 in the top-left place and a target 2 under the last column.
    PuzzleLevel level;
    level.setCell(0, 0, 3, -1);
    level.setTarget(14, 2);
    PuzzleThumbnails thumbnails(canvas(), resources());
    thumbnails.render(0, level);
    const ksImage& buffer = *thumbnails.buffer();
    const ksImage& balloon = *resources().getImage("balloon3");
    // At full size the balloon sits at the board's origin, lowered by the arch of column 0.
    const int archY = 2 * 7;
    const int bx = 14, by = 18;
    const auto expectNear = [](uint32_t shown, uint32_t drawn, int within) {
        for (int shift : {0, 8, 16}) {
            EXPECT_NEAR(static_cast<int>((shown >> shift) & 0xFF), static_cast<int>((drawn >> shift) & 0xFF),
                        within)
                << std::hex << shown << " " << drawn;
        }
    };
    // Opaque pixels come through the blend within its rounding.
    ASSERT_EQ(balloon.pixelAt(bx, by) >> 24, 0xFFu);
    expectNear(buffer.pixelAt(174 + bx, 16 + archY + by), balloon.pixelAt(bx, by), 6);
    // The place below holds nothing: the picture is not shifted by a row.
    EXPECT_EQ(buffer.pixelAt(174 + bx, 16 + archY + by + 37), buffer.pixelAt(174 + 210, 16 + 217));
    const ksImage& target = *resources().getImage("target2");
    const int tx = target.getWidth() / 2, ty = target.getHeight() / 2;
    ASSERT_EQ(target.pixelAt(tx, ty) >> 24, 0xFFu);
    expectNear(buffer.pixelAt(174 + 14 * 28 + tx, 414 + ty), target.pixelAt(tx, ty), 6);

    // Scaled down, the balloon's place keeps its colour and the empty field keeps the field's.
    const ksImage& picture = *thumbnails.picture(0);
    const double sx = picture.getWidth() / 420.0, sy = picture.getHeight() / 435.0;
    const uint32_t small = picture.pixelAt(static_cast<int>(bx * sx), static_cast<int>((archY + by) * sy));
    expectNear(small, balloon.pixelAt(bx, by), 40);
    const uint32_t empty = picture.pixelAt(picture.getWidth() / 2, picture.getHeight() / 2);
    EXPECT_EQ(empty, buffer.pixelAt(174 + 210, 16 + 217));
}

// The mean colour of a square of `image`, channel by channel.
std::array<int, 3> meanColour(const ksImage& image, int left, int top, int side) {
    std::array<long, 3> sum{};
    for (int y = top; y < top + side; ++y) {
        for (int x = left; x < left + side; ++x) {
            const uint32_t p = image.pixelAt(x, y);
            sum[0] += (p >> 16) & 0xFF;
            sum[1] += (p >> 8) & 0xFF;
            sum[2] += p & 0xFF;
        }
    }
    const long count = static_cast<long>(side) * side;
    return {static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
            static_cast<int>(sum[2] / count)};
}

TEST_F(PuzzleSelectorTest, APlaceHidingAPrizeShowsThatPrizesPictureOnABadge) {
    // Three red balloons in a row; the first hides prize 4, the second prize 0, the third none.
    PuzzleLevel level;
    level.setCell(0, 0, 0, 4);
    level.setCell(0, 1, 0, 0);
    level.setCell(0, 2, 0, -1);
    PuzzleThumbnails thumbnails(canvas(), resources());
    thumbnails.render(0, level);
    const ksImage& buffer = *thumbnails.buffer();
    // The badge: a 13-pixel picture on a disc of radius 8 at (21, 27) from the place's corner.
    const auto badgeCentre = [](int column) {
        return std::pair{174 + 28 * column + 21, 16 + 2 * (7 - column) + 27};
    };
    constexpr uint32_t kFace = 0xFFF7E6;
    const auto [x0, y0] = badgeCentre(0);
    EXPECT_EQ(buffer.pixelAt(x0 - 7, y0) & 0xFFFFFF, kFace) << "the light disc around the picture";

    // Under the picture: the prize's own colours over the disc, on average, nearer to them than
    // to the other prize's.
    const auto expectedMean = [&](const char* name) {
        const ksImage& prize = *resources().getImage(name);
        std::array<long, 3> sum{};
        for (int y = 0; y < prize.getHeight(); ++y) {
            for (int x = 0; x < prize.getWidth(); ++x) {
                const uint32_t p = prize.pixelAt(x, y);
                const int alpha = static_cast<int>(p >> 24);
                for (std::size_t c = 0; c < 3; ++c) {
                    const int shift = 16 - 8 * static_cast<int>(c);
                    const int face = static_cast<int>((kFace >> shift) & 0xFF);
                    sum[c] += (static_cast<int>((p >> shift) & 0xFF) * alpha + face * (255 - alpha)) / 255;
                }
            }
        }
        const long count = static_cast<long>(prize.getWidth()) * prize.getHeight();
        return std::array<int, 3>{static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                                  static_cast<int>(sum[2] / count)};
    };
    const auto distance = [](const std::array<int, 3>& a, const std::array<int, 3>& b) {
        return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
    };
    const std::array<int, 3> four = expectedMean("prize4");
    const std::array<int, 3> zero = expectedMean("prize0");
    const std::array<int, 3> shownFour = meanColour(buffer, x0 - 6, y0 - 6, 13);
    const auto [x1, y1] = badgeCentre(1);
    const std::array<int, 3> shownZero = meanColour(buffer, x1 - 6, y1 - 6, 13);
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_NEAR(shownFour[c], four[c], 24) << "prize 4, channel " << c;
        EXPECT_NEAR(shownZero[c], zero[c], 24) << "prize 0, channel " << c;
    }
    EXPECT_LT(distance(shownFour, four), distance(shownFour, zero));
    EXPECT_LT(distance(shownZero, zero), distance(shownZero, four));

    // The plain balloon has no badge: no pixel of the disc's light face.
    const auto [x2, y2] = badgeCentre(2);
    int faces = 0;
    for (int y = y2 - 8; y <= y2 + 8; ++y) {
        for (int x = x2 - 8; x <= x2 + 8; ++x) {
            faces += (buffer.pixelAt(x, y) & 0xFFFFFF) == kFace ? 1 : 0;
        }
    }
    EXPECT_EQ(faces, 0);
}

// With ZIBBET_SELECTOR_PNG set to a directory, pictures of the selector to look at: the first
// page with a passed puzzle and the hover line, and the last page with every puzzle unlocked.
TEST_F(PuzzleSelectorTest, PicturesToLookAt) {
    const char* dir = std::getenv("ZIBBET_SELECTOR_PNG");
    if (dir == nullptr) {
        GTEST_SKIP() << "set ZIBBET_SELECTOR_PNG to a directory for the pictures";
    }
    const auto save = [&](const char* name) {
        const ksCanvas& c = canvas();
        writePng(std::filesystem::path(dir) / name, c.buffer(ksCanvas::Buffer::Frame), c.width(), c.height(),
                 c.stride());
    };
    m_profile.setBest(0, 9);
    m_profile.setBest(2, 14);
    m_profile.addAttempt(1);
    m_profile.addAttempt(1);
    openAndWait(true);
    movePointer(slotCentreX(1), slotCentreY(1));
    m_input.commit();
    m_host->update();
    save("selector-first.png");
    frame();
    click(kNextX, kPageButtonY);
    movePointer(slotCentreX(4), slotCentreY(4));
    m_input.commit();
    m_host->update();
    save("selector-locked.png");
    frame();
    closeWithEnter();
    m_host->outcome.reset();

    m_profile.unlockPuzzles(102);
    m_profile.setBest(99, 21);
    m_profile.setCurrentPuzzle(101);
    openAndWait();
    movePointer(slotCentreX(3), slotCentreY(3));
    m_input.commit();
    m_host->update();
    save("selector-last.png");
    frame();
}

} // namespace
