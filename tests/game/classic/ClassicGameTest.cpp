// Classic games played through the rules: deals, pops, prizes, the end of a game and undo.
#include "game/classic/ClassicGame.h"

#include "../BoardGrid.h"
#include "../FakeSettings.h"
#include "engine/core/GameRandom.h"
#include "game/classic/ClassicStrategy.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::AnyOf;
using ::testing::Contains;
using ::testing::ElementsAre;

// The worked example's values, the same for every skill level, with one prize by default;
// `changes` are "name=value" words that replace them.
FakeSettings exampleSettings(std::string_view changes = "") {
    FakeSettings settings;
    settings.set(
        "classicSuperPop3=12 classicSuperPop4=12 classicSuperPop5=12,12,12 classicSuperPop6=12 "
        "classicBigGroupBonus=100,100,100 classicGroupPopPoints=10,10,10 classicExtraPopPoints=5,5,5 "
        "classicPrizePoints=20,20,20 classicLastPrize=5000,5000,5000 classicClearBonus=1000,1000,1000 "
        "classicNotClearBonus=500,500,500 classicBalloonPenalty=40,40,40 classicRows=8,8,8 "
        "classicPrizes=1,1,1 classicMinPrizeRow=3,3,3 classicMaxPrizeRow=6,6,6 3BalloonsMultiplier=1.0 "
        "4BalloonsMultiplier=1.0 5BalloonsMultiplier=1.0 6BalloonsMultiplier=1.0");
    settings.set(changes);
    return settings;
}

struct Recorder final : ClassicListener {
    std::vector<std::string> cues;
    std::vector<int> mascot;
    std::vector<GameBanner> banners;
    std::vector<ClassicPrizeRelease> releases;
    int breezes = 0; // kept apart: the breeze blows on its own clock

    void requestCue(const char* name) override {
        if (std::string(name) == "breeze") {
            ++breezes;
        } else {
            cues.emplace_back(name);
        }
    }
    void requestMascotCue(int cue) override { mascot.push_back(cue); }
    void showBanner(const GameBanner& banner) override { banners.push_back(banner); }
    void releasePrize(const ClassicPrizeRelease& release) override { releases.push_back(release); }
    int count(const std::string& cue) const {
        return static_cast<int>(std::count(cues.begin(), cues.end(), cue));
    }
};

// Plays the screen's part: prizes land as soon as they are released, and the celebration after
// the last prize ends at once.
class ClassicTable : public ::testing::Test {
protected:
    ClassicTable()
        : game(nullptr, &recorder) {}

    void startGame(FakeSettings settings = exampleSettings(), ClassicOptions options = {}) {
        seedGameRandom(1234);
        game.newGame(settings, options);
        scored = 0;
    }

    // Replaces the dealt board with a literal one; `prizes` are (row, column) markers, kinds 0, 1, ...
    void layBoard(std::initializer_list<const char*> rows, std::vector<std::pair<int, int>> prizes = {}) {
        fillGrid(game.board(), rows);
        int kind = 0;
        for (const auto& [row, column] : prizes) {
            game.board().cellAt(row, column).placePrize(kind++);
        }
        game.board().recountColumns();
    }

    BoardPointer over(int row, int column, bool held = false, bool released = false) const {
        return {game.board().columnX(column) + 14, game.board().rowY(row, column) + 18, held, released};
    }
    ClassicPointerResult click(int row, int column, int minimumGroup = 2) {
        return game.pointerStep(over(row, column, false, true), minimumGroup);
    }

    ClassicStep frame(float seconds = 1.0f / 60.0f) {
        scored = std::min(scored, game.releasedCount());
        while (scored < game.releasedCount()) {
            landed.push_back(game.scorePrizeLanding(scored++));
        }
        game.setPrizeInFlight(false);
        const ClassicStep step = game.advance(seconds);
        if (step.allPrizesFreed) {
            game.setPrizeInFlight(false);
        }
        return step;
    }
    // Frames until the game is ready to end or the board rests (at most `limit`).
    void play(int limit = 600) {
        for (int i = 0; i < limit && !game.isReadyToEnd(); ++i) {
            frame();
            if (!isMoving(game.board()) && i > 60) {
                frame();
                break;
            }
        }
    }

    // Deals `rows` with one prize at the top left, pops the group there and ends the game.
    ClassicEnd popToTheEnd(std::initializer_list<const char*> rows, std::string_view changes = "") {
        startGame(exampleSettings(changes));
        layBoard(rows, {{0, 0}});
        click(0, 0);
        play();
        EXPECT_TRUE(game.isReadyToEnd());
        scoreBeforeEnd = game.score();
        return game.endGame();
    }

    Recorder recorder;
    ClassicGame game;
    int scored = 0;
    int32_t scoreBeforeEnd = 0;
    std::vector<int32_t> landed;
};

TEST(ClassicTuningRead, MissingKeysReadAsZeroAndBoardShapesAreClamped) {
    FakeSettings empty;
    const ClassicTuning tuning = ClassicTuning::read(empty);
    EXPECT_THAT(tuning.prizePoints, ElementsAre(0, 0, 0));
    EXPECT_THAT(tuning.superPop[2], ElementsAre(0, 0, 0));
    EXPECT_THAT(tuning.rows, ElementsAre(1, 1, 1));
    EXPECT_THAT(tuning.prizes, ElementsAre(1, 1, 1));
    EXPECT_THAT(tuning.minPrizeRow, ElementsAre(1, 1, 1));
    EXPECT_FLOAT_EQ(tuning.multiplierFor(5), 0.0f);

    FakeSettings odd;
    odd.set("classicRows=12,5,10 classicPrizes=0,20,7 classicMinPrizeRow=8,2,0 classicMaxPrizeRow=3,9,4 "
            "4BalloonsMultiplier=1.5 classicGroupPopPoints=10;20");
    const ClassicTuning clamped = ClassicTuning::read(odd);
    EXPECT_THAT(clamped.rows, ElementsAre(10, 5, 10));
    EXPECT_THAT(clamped.prizes, ElementsAre(1, 15, 7));
    EXPECT_THAT(clamped.minPrizeRow, ElementsAre(3, 2, 1)) << "exchanged when min > max";
    EXPECT_THAT(clamped.maxPrizeRow, ElementsAre(8, 5, 4)) << "never below the filled rows";
    EXPECT_THAT(clamped.groupPopPoints, ElementsAre(10, 20, 0));
    EXPECT_FLOAT_EQ(clamped.multiplierFor(4), 1.5f);
}

TEST(ClassicTuningRead, AMultiplierThatIsNotANumberReadsAsZeroWithOneLogLine) {
    LogCapture log;
    const ClassicTuning tuning = ClassicTuning::read(exampleSettings("6BalloonsMultiplier=inf"));
    EXPECT_FLOAT_EQ(tuning.multiplierFor(6), 0.0f);
    EXPECT_FLOAT_EQ(tuning.multiplierFor(5), 1.0f);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.count("6BalloonsMultiplier"), 1);
}

TEST_F(ClassicTable, ADealFillsTheRowsAndHidesPrizeIInColumnI) {
    startGame(exampleSettings("classicRows=6,6,6 classicPrizes=15,15,15 classicMinPrizeRow=2,2,2 "
                              "classicMaxPrizeRow=5,5,5 classicSuperPop4=7,8,9"),
              {1, 4, 2});
    const BalloonBoard& board = game.board();
    EXPECT_EQ(game.prizeTotal(), 15);
    EXPECT_EQ(game.superPopThreshold(), 8);
    std::set<int> colours;
    for (int column = 0; column < 15; ++column) {
        int markers = 0;
        for (int row = 0; row < 10; ++row) {
            const Balloon& place = board.cellAt(row, column);
            EXPECT_EQ(place.isOccupied(), row < 6);
            if (place.isOccupied()) {
                colours.insert(place.colour());
            }
            if (place.holdsPrize()) {
                ++markers;
                EXPECT_GE(row, 1);
                EXPECT_LE(row, 4);
                EXPECT_EQ(place.prizeKind(), column % 6);
            }
        }
        EXPECT_EQ(markers, 1) << "column " << column;
        EXPECT_TRUE(game.shelf().cellAt(0, column).isEmpty());
        EXPECT_FALSE(game.shelf().cellAt(0, column).holdsPrize());
    }
    EXPECT_EQ(colours, (std::set<int>{0, 1, 2, 3}));
    EXPECT_TRUE(game.isUntouched());
}

TEST_F(ClassicTable, OptionsOutsideTheirRangesAreMadeSafe) {
    LogCapture log;
    startGame(exampleSettings(), {7, 0, 9});
    EXPECT_EQ(game.options().skill, 2);
    EXPECT_EQ(game.options().colourCount, 3);
    EXPECT_EQ(game.options().theme, 4);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(ClassicTable, AGroupOfSixScoresSixty) {
    startGame();
    layBoard({"00012", "00021", "12121", "21212"}, {{3, 4}});
    const ClassicPointerResult result = click(0, 0);
    EXPECT_TRUE(result.popped);
    EXPECT_EQ(result.groupSize, 6);
    EXPECT_EQ(result.pointsShown, 60);
    EXPECT_EQ(game.score(), 60);
    EXPECT_THAT(recorder.cues, ElementsAre("pop46"));
    EXPECT_EQ(game.undoDepth(), 1);
    EXPECT_TRUE(game.isSettling());
    EXPECT_TRUE(game.board().cellAt(1, 2).isPopping());
    EXPECT_EQ(game.board().cellAt(1, 2).image(), nullptr);
    EXPECT_FALSE(game.isUntouched());
}

TEST_F(ClassicTable, TheCueFollowsTheGroupSize) {
    startGame();
    layBoard({"111111111112222", "333333334455555", "010101010101010"}, {{2, 14}});
    EXPECT_EQ(click(0, 0).groupSize, 11);
    EXPECT_EQ(click(1, 0).groupSize, 8);
    EXPECT_EQ(click(0, 11).groupSize, 4);
    EXPECT_EQ(click(1, 8).groupSize, 2);
    EXPECT_THAT(recorder.cues, ElementsAre("pop11", "pop610", "pop46", "pop23"));
}

TEST_F(ClassicTable, AClickOnALoneBalloonSaysPop0AndChangesNothing) {
    startGame();
    layBoard({"0101", "1010"}, {{1, 0}});
    const ClassicPointerResult result = click(0, 1);
    EXPECT_FALSE(result.popped);
    EXPECT_EQ(result.groupSize, 1);
    EXPECT_THAT(recorder.cues, ElementsAre("pop0"));
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.undoDepth(), 0);
    EXPECT_FALSE(game.board().cellAt(0, 1).isPopping());

    const ClassicPointerResult single = click(0, 1, 1);
    EXPECT_TRUE(single.popped) << "the hidden mode pops single balloons";
    EXPECT_EQ(game.score(), 10);
}

TEST_F(ClassicTable, HoverHighlightsTheGroupAndHoldingPressesIt) {
    startGame();
    layBoard({"001", "011"}, {{1, 0}});
    EXPECT_EQ(game.pointerStep(over(0, 0), 2).groupSize, 3);
    EXPECT_FLOAT_EQ(game.board().cellAt(1, 0).highlight(), 0.2f);
    EXPECT_FLOAT_EQ(game.board().cellAt(0, 2).highlight(), 1.0f);
    game.pointerStep(over(0, 0, true), 2);
    EXPECT_FLOAT_EQ(game.board().cellAt(1, 0).highlight(), 1.0f);
    EXPECT_TRUE(recorder.cues.empty());
}

TEST_F(ClassicTable, SuperPopsShowTheirBannerAndCheer) {
    startGame(exampleSettings("classicSuperPop5=4,4,4"));
    layBoard({"000111", "222333", "010101"}, {{2, 0}});
    click(0, 0); // 3: no super pop
    EXPECT_TRUE(recorder.banners.empty());
    click(1, 3); // 3 again
    layBoard({"000011112222", "333344445555", "010101010101"}, {{2, 0}});
    click(0, 0);
    click(0, 4);
    click(0, 8);
    ASSERT_EQ(recorder.banners.size(), 3u);
    EXPECT_STREQ(recorder.banners[0].line1.data(), "Super Pop!  4 Balloons!");
    EXPECT_STREQ(recorder.banners[0].font1, "font_dlg_med");
    EXPECT_STREQ(recorder.banners[0].line2Format, "%s Bonus!");
    EXPECT_STREQ(recorder.banners[0].font2, "font_dlg_med");
    EXPECT_EQ(recorder.banners[2].line2Number, 300);
    EXPECT_EQ(game.superPopRun(), 3);
    EXPECT_THAT(recorder.mascot, ElementsAre(4, 4, 4));
    EXPECT_EQ(recorder.count("superpop"), 3);
    // 10 + 5 x T(1) for each triple, then 10 + 5 x T(2) plus 100, 200 and 300 for the super pops.
    EXPECT_EQ(game.score(), 15 + 15 + 3 * 25 + 600);
}

TEST_F(ClassicTable, UncoveredPrizesFlyToTheNearestFreeShelfSlotAndScoreByHeight) {
    startGame(exampleSettings("classicPrizes=2,2,2"));
    layBoard({"011", "011", "111", "111"}, {{2, 0}, {3, 2}});
    click(0, 0);
    const int columnX = game.board().columnX(0);
    const int rowY = game.board().rowY(2, 0);
    play();
    ASSERT_EQ(recorder.releases.size(), 1u);
    const ClassicPrizeRelease& release = recorder.releases[0];
    EXPECT_EQ(release.index, 0);
    EXPECT_EQ(release.kind, 0);
    EXPECT_EQ(release.sourceRow, 2);
    EXPECT_EQ(release.startX, columnX + 14);
    EXPECT_EQ(release.startY, rowY + 18);
    // Three columns stand centred, column 0 at x = 174 + 168: slot 5 (x = 179 + 15 + 5 x 30) is
    // the nearest to the prize's start at x = 356.
    EXPECT_EQ(release.shelfSlot, 5);
    EXPECT_EQ(release.slotX, 179 + 15 + 5 * 30);
    EXPECT_EQ(release.slotY, 436);
    EXPECT_THAT(recorder.cues, ElementsAre("pop23", "P_00", "prize_flyoff"));
    EXPECT_THAT(recorder.mascot, ElementsAre(4));
    EXPECT_TRUE(game.shelf().cellAt(0, 5).holdsPrize());
    EXPECT_EQ(game.shelf().cellAt(0, 5).prizeKind(), 0);
    EXPECT_FALSE(game.board().cellAt(2, 0).holdsPrize());

    frame();
    EXPECT_THAT(landed, ElementsAre(20 * 36)) << "from row 2: T(8) steps";
    EXPECT_EQ(game.score(), 10 + 720);

    click(0, 0); // every remaining balloon: the last prize comes free
    play();
    ASSERT_EQ(recorder.releases.size(), 2u);
    EXPECT_EQ(recorder.releases[1].shelfSlot, 7) << "the nearest free slot to column 2, at x = 412";
    frame();
    EXPECT_THAT(landed, ElementsAre(720, 5000)) << "the last prize, whatever its row";
}

TEST_F(ClassicTable, FreeingEveryPrizeEndsUndoAndCheers) {
    startGame();
    layBoard({"22", "01"}, {{1, 0}});
    click(0, 0);
    bool justFreed = false;
    for (int i = 0; i < 60 && !justFreed; ++i) {
        justFreed = frame().allPrizesJustFreed;
    }
    ASSERT_TRUE(justFreed);
    EXPECT_TRUE(game.allPrizesFreed());
    EXPECT_EQ(recorder.count("cheer_6-10_left"), 1);
    EXPECT_THAT(recorder.mascot, Contains(6));
    EXPECT_EQ(game.undoDepth(), 0);
    EXPECT_FALSE(game.undoMove());
    EXPECT_FALSE(game.isUntouched());
    EXPECT_TRUE(frame().allPrizesFreed);
    EXPECT_FALSE(frame().allPrizesJustFreed);
}

TEST_F(ClassicTable, PrizesFreedByTheLastPopOfALostGameHoldTheEndUntilTheyHaveLanded) {
    startGame(exampleSettings("classicPrizes=3,3,3"));
    layBoard({"001"}, {{0, 0}, {0, 1}, {0, 2}});
    click(0, 0);
    for (int i = 0; i < 60 && recorder.releases.size() < 2; ++i) {
        frame();
    }
    ASSERT_EQ(recorder.releases.size(), 2u);
    EXPECT_TRUE(game.noMoves()) << "the verdict falls in the frame of the release";
    EXPECT_FALSE(game.isReadyToEnd()) << "the prizes released in this frame are in flight";
    game.setPrizeInFlight(false); // the screen has seen both land
    EXPECT_TRUE(game.isReadyToEnd());
    EXPECT_FALSE(game.endGame().won);
}

TEST_F(ClassicTable, ADealtBoardWithoutAPairEndsAtOnceAndAgainAfterAnUndoOfNothing) {
    startGame();
    layBoard({"0101", "1010"}, {{1, 0}}); // as dealt: no pop has been made
    frame();
    ASSERT_TRUE(game.isReadyToEnd());
    EXPECT_EQ(game.balloonsLeft(), 8);
    EXPECT_EQ(recorder.count("loosetrumpet"), 1);
    EXPECT_FALSE(game.endGame().won);

    // The out-of-moves dialog's undo with nothing to take back: the verdict comes again.
    game.clearNoMoves();
    EXPECT_FALSE(game.undoMove());
    frame();
    EXPECT_TRUE(game.isReadyToEnd());
}

TEST_F(ClassicTable, ADealtBoardWithAPairWaitsForThePlayer) {
    startGame();
    layBoard({"0110"}, {{0, 0}});
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    EXPECT_FALSE(game.noMoves());
    EXPECT_FALSE(game.isReadyToEnd());
}

TEST_F(ClassicTable, WinningWithNoBalloonsLeftPaysTheClearBonus) {
    const ClassicEnd end = popToTheEnd({"22"});
    EXPECT_EQ(recorder.count("cheer_all_clear"), 1);
    EXPECT_TRUE(end.won);
    EXPECT_EQ(end.balloonsLeft, 0);
    EXPECT_EQ(end.bonus, 1000);
    EXPECT_EQ(game.score(), scoreBeforeEnd + 1000);
    EXPECT_TRUE(game.allBalloonsPopped());
    EXPECT_STREQ(recorder.banners.back().line1.data(), "All Balloons Popped!");
    EXPECT_STREQ(recorder.banners.back().line2Format, "BONUS %s pts");
    EXPECT_STREQ(recorder.banners.back().font2, "font_dlg_head");
    EXPECT_EQ(recorder.mascot.back(), 11);
    EXPECT_FALSE(game.isReadyToEnd()) << "a game ends once";
}

TEST_F(ClassicTable, WinningWithTenLeftPaysTheSmallBonusAndElevenLeftOrANegativeBonusNone) {
    ClassicEnd end = popToTheEnd({"201010", "210101"});
    EXPECT_EQ(recorder.count("cheer_6-10_left"), 2) << "all prizes out, then no moves with 10 left";
    EXPECT_TRUE(end.won);
    EXPECT_EQ(end.balloonsLeft, 10);
    EXPECT_EQ(end.bonus, 500 - 10 * 40);
    EXPECT_EQ(game.score(), scoreBeforeEnd + 100);
    EXPECT_STREQ(recorder.banners.back().line1.data(), "10 balloons left!");
    EXPECT_STREQ(recorder.banners.back().line2Format, "%s Bonus!");

    end = popToTheEnd({"201010", "210101", ".0"});
    EXPECT_TRUE(end.won);
    EXPECT_EQ(end.balloonsLeft, 11);
    EXPECT_EQ(end.bonus, 0);
    EXPECT_STREQ(recorder.banners.back().line1.data(), "Next time leave 10 or fewer balloons for a bonus!");
    EXPECT_EQ(recorder.banners.back().line2Format, nullptr);

    end = popToTheEnd({"201010", "210101"}, "classicBalloonPenalty=100,100,100");
    EXPECT_EQ(end.bonus, 0);
    EXPECT_EQ(game.score(), scoreBeforeEnd);
    EXPECT_STREQ(recorder.banners.back().line1.data(), "10 balloons left!");
    EXPECT_EQ(recorder.banners.back().line2Format, nullptr);
}

TEST_F(ClassicTable, StuckWithAPrizeStillHiddenLosesAndTheTrumpetSoundsOnce) {
    startGame();
    layBoard({"2101", "2010", "0101", "1010"}, {{3, 3}});
    click(0, 0);
    play();
    for (int i = 0; i < 30; ++i) {
        game.setPrizeInFlight(true); // a prize still gliding keeps the game going
        game.advance(1.0f / 60.0f);
    }
    EXPECT_TRUE(game.noMoves());
    EXPECT_EQ(recorder.count("loosetrumpet"), 1);
    const std::size_t cues = recorder.cues.size();
    EXPECT_EQ(click(0, 0).groupSize, 0) << "no pointer action once no moves are left";
    EXPECT_EQ(recorder.cues.size(), cues);
    game.setPrizeInFlight(false);
    ASSERT_TRUE(game.isReadyToEnd());
    const ClassicEnd end = game.endGame();
    EXPECT_FALSE(end.won);
    EXPECT_EQ(end.bonus, 0);
    EXPECT_STREQ(recorder.banners.back().line1.data(), "No Moves Left!");
    EXPECT_THAT(recorder.mascot.back(), AnyOf(10, 7, 13));

    // The out-of-moves dialog's undo: the pair is back and the game goes on.
    game.clearNoMoves();
    ASSERT_TRUE(game.undoMove());
    play(120);
    EXPECT_FALSE(game.noMoves());
    EXPECT_FALSE(game.isReadyToEnd());
    EXPECT_EQ(game.board().cellAt(1, 0).colour(), 2);
}

TEST_F(ClassicTable, UndoingTheFirstMoveRestoresTheDealtBoard) {
    startGame(exampleSettings("classicPrizes=6,6,6"));
    const BoardSnapshot dealt = BoardSnapshot::take(game.board(), game.shelf());
    auto firstGroup = [&]() -> std::pair<int, int> {
        for (int row = 0; row < 10; ++row) {
            for (int column = 0; column < 15; ++column) {
                game.board().selectCell(row, column);
                if (game.board().findGroup() >= 2) {
                    return {row, column};
                }
            }
        }
        return {-1, -1};
    };
    const auto [row, column] = firstGroup();
    ASSERT_GE(row, 0);
    ASSERT_TRUE(click(row, column).popped);
    play(120);
    ASSERT_GT(game.score(), 0);

    ASSERT_TRUE(game.undoMove());
    EXPECT_EQ(BoardSnapshot::take(game.board(), game.shelf()).bytes, dealt.bytes);
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.undoDepth(), 0);
    EXPECT_EQ(game.releasedCount(), 0);
    EXPECT_TRUE(game.isUntouched());
    EXPECT_EQ(recorder.count("undo"), 1);
    EXPECT_FALSE(isMoving(game.board()));
    EXPECT_FALSE(game.undoMove()) << "nothing left to undo";
}

TEST_F(ClassicTable, UndoGoesBackOneMoveAtATimeWithTheScoreAfterThePreviousMove) {
    startGame(exampleSettings("classicPrizes=2,2,2"));
    layBoard({"0033", "0044", "1155", "2222"}, {{2, 0}, {3, 3}});
    click(0, 0);
    const int32_t firstScore = game.score();
    play(120);
    ASSERT_EQ(game.releasedCount(), 1) << "the prize under the 0s came free";
    ASSERT_GT(game.score(), firstScore) << "... and landed, adding its points";
    const BoardSnapshot afterFirst = BoardSnapshot::take(game.board(), game.shelf());
    ASSERT_TRUE(click(0, 0).popped);
    play(120);
    ASSERT_EQ(game.releasedCount(), 1);

    ASSERT_TRUE(game.undoMove());
    EXPECT_EQ(BoardSnapshot::take(game.board(), game.shelf()).bytes, afterFirst.bytes);
    EXPECT_EQ(game.score(), firstScore) << "the prize points landed between the moves are not kept";
    EXPECT_EQ(game.releasedCount(), 1);
    EXPECT_TRUE(game.shelf().cellAt(0, recorder.releases[0].shelfSlot).holdsPrize());
    EXPECT_EQ(game.undoDepth(), 1);
}

TEST_F(ClassicTable, TheBreezeBlowsAtOnceAndThenEveryHalfMinuteAcrossGames) {
    startGame();
    EXPECT_TRUE(frame().breeze);
    EXPECT_EQ(recorder.breezes, 1);
    frame();
    EXPECT_GT(game.board().cellAt(0, 0).jiggleX(), 0.0f) << "the wave starts at the top left";
    EXPECT_FLOAT_EQ(game.board().cellAt(9, 14).jiggleX(), 0.0f) << "and reaches the far corner later";
    startGame();
    for (int i = 0; i < 26 * 4; ++i) {
        EXPECT_FALSE(frame(0.25f).breeze);
    }
    bool blew = false;
    for (int i = 0; i < 7 * 4 && !blew; ++i) {
        blew = frame(0.25f).breeze;
    }
    EXPECT_TRUE(blew);
    EXPECT_EQ(recorder.breezes, 2);
}

TEST_F(ClassicTable, ASnapshotWithBadCellsRestoresSafely) {
    LogCapture log;
    startGame();
    layBoard({"00"}, {{0, 1}});
    BoardSnapshot snapshot = BoardSnapshot::take(game.board(), game.shelf());
    snapshot.bytes[0] = 9;
    snapshot.bytes[2 * 150 + 1] = 7;
    EXPECT_EQ(snapshot.restore(game.board(), game.shelf()), 1);
    EXPECT_TRUE(game.board().cellAt(0, 0).isEmpty());
    EXPECT_EQ(game.board().cellAt(0, 1).colour(), 0);
    EXPECT_EQ(game.shelf().cellAt(0, 0).prizeKind(), -1);
    EXPECT_EQ(log.lines().size(), 1u);
}

} // namespace

// A game left in the middle and taken up again: the file, and the game it gives back.
class ClassicResume : public ClassicTable {
protected:
    // Deals with three prizes and pops `moves` groups the built-in player picks, each followed by
    // frames until the board rests.
    void playMoves(int moves) {
        startGame(exampleSettings("classicPrizes=3,3,3"));
        for (int move = 0; move < moves; ++move) {
            const std::optional<BoardMove> pick =
                chooseClassicMove(game.board(), 2, static_cast<uint32_t>(move));
            ASSERT_TRUE(pick.has_value());
            ASSERT_TRUE(game.pointerStep(BoardPointer{pick->x, pick->y, false, true}, 2).popped);
            play();
        }
        ASSERT_TRUE(game.isAtRest());
    }
    uint32_t fingerprint(std::string_view changes = "classicPrizes=3,3,3") const {
        return ClassicResumeFile::fingerprint(ClassicTuning::read(exampleSettings(changes)));
    }
};

TEST_F(ClassicResume, ARecordedGameGoesOnExactlyWhereItWasLeft) {
    playMoves(6);
    ASSERT_GT(game.undoDepth(), 0);
    ClassicGameRecord taken = game.record();
    taken.inFlight[0] = true; // the screen's mark: the first freed prize was still falling
    const std::vector<uint8_t> bytes = ClassicResumeFile::encode(taken, fingerprint());
    LogCapture log;
    const std::optional<ClassicGameRecord> record = ClassicResumeFile::decode(bytes, fingerprint());
    ASSERT_TRUE(record.has_value()) << ::testing::PrintToString(log.lines());
    EXPECT_EQ(record->inFlight[0], taken.releasedCount > 0);
    EXPECT_FALSE(record->inFlight[1]);

    Recorder otherRecorder;
    ClassicGame resumed(nullptr, &otherRecorder);
    resumed.restore(*record, ClassicTuning::read(exampleSettings("classicPrizes=3,3,3")));
    EXPECT_EQ(gridOf(resumed.board()), gridOf(game.board()));
    EXPECT_EQ(resumed.score(), game.score());
    EXPECT_EQ(resumed.releasedCount(), game.releasedCount());
    EXPECT_EQ(resumed.undoDepth(), game.undoDepth());
    EXPECT_EQ(BoardSnapshot::take(resumed.board(), resumed.shelf()).bytes,
              BoardSnapshot::take(game.board(), game.shelf()).bytes);
    EXPECT_TRUE(resumed.isAtRest());

    // The undo history came along: both games step back through the same boards and scores.
    while (game.undoMove()) {
        ASSERT_TRUE(resumed.undoMove());
        EXPECT_EQ(gridOf(resumed.board()), gridOf(game.board()));
        EXPECT_EQ(resumed.score(), game.score());
        EXPECT_EQ(resumed.releasedCount(), game.releasedCount());
    }
    EXPECT_FALSE(resumed.undoMove());
}

TEST_F(ClassicResume, DamagedShortAndForeignFilesAreIgnored) {
    playMoves(3);
    const std::vector<uint8_t> good = ClassicResumeFile::encode(game.record(), fingerprint());
    ASSERT_TRUE(ClassicResumeFile::decode(good, fingerprint()).has_value());

    LogCapture log;
    std::vector<uint8_t> damaged = good;
    damaged[damaged.size() / 2] ^= 0x40;
    EXPECT_FALSE(ClassicResumeFile::decode(damaged, fingerprint()).has_value());
    for (const std::size_t keep : {std::size_t{0}, std::size_t{5}, good.size() / 2, good.size() - 1}) {
        EXPECT_FALSE(ClassicResumeFile::decode(std::span(good).first(keep), fingerprint()).has_value())
            << keep;
    }
    // A game dealt under other tuning values would be scored by other rules.
    EXPECT_FALSE(
        ClassicResumeFile::decode(good, fingerprint("classicPrizes=3,3,3 classicPrizePoints=25,20,20"))
            .has_value());
    // Each file turned away says so in one log line.
    EXPECT_EQ(log.count("ClassicResumeFile::decode"), 6);
    EXPECT_EQ(log.lines().size(), 6u);
}

TEST_F(ClassicResume, AFileOfAnotherVersionOrWithImpossibleContentsIsIgnored) {
    playMoves(2);
    ClassicGameRecord record = game.record();
    std::vector<uint8_t> newer = ClassicResumeFile::encode(record, fingerprint());
    newer[4] = static_cast<uint8_t>(ClassicResumeFile::kVersion + 1);
    // The checksum must not be what stops it: recompute it over the changed bytes.
    uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i + 4 < newer.size(); ++i) {
        hash = (hash ^ newer[i]) * 16777619u;
    }
    for (int i = 0; i < 4; ++i) {
        newer[newer.size() - 4 + static_cast<std::size_t>(i)] = static_cast<uint8_t>(hash >> (8 * i));
    }
    EXPECT_FALSE(ClassicResumeFile::decode(newer, fingerprint()).has_value());

    // Well-formed bytes describing a game the rules cannot produce: a prize freed twice over.
    record.releasedCount = record.prizeTotal + 1;
    EXPECT_FALSE(ClassicResumeFile::decode(ClassicResumeFile::encode(record, fingerprint()), fingerprint())
                     .has_value());
}
