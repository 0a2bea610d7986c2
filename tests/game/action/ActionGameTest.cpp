// Action rounds played through the rules, frame by frame: the round arithmetic, the fill phase,
// rows pushed by time, cord, duds and a board without moves, gold stars, winning and losing.
#include "game/action/ActionGame.h"

#include "../BoardGrid.h"
#include "../FakeSettings.h"
#include "engine/core/GameRandom.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr float kFrame = 1.0f / 60.0f;
constexpr int32_t kMostInt = std::numeric_limits<int32_t>::max();

// The same values at every skill level; `changes` are "name=value" words that replace them.
ActionTuning exampleTuning(std::string_view changes = "") {
    FakeSettings settings;
    settings.set(
        "actionGoldGroupBonus=100,100,100 actionSuperPop3=12,12,12 actionSuperPop4=12,12,12 "
        "actionSuperPop5=12,12,12 actionSuperPop6=12,12,12 actionBalloons4=0,0,0 actionBalloons5=0,0,0 "
        "actionBalloons6=0,0,0 actionBigGroupBonus=300,300,300 actionGroupPopPoints=10,10,10 "
        "actionExtraPopPoints=5,5,5 actionRowFillTime=10000,10000,10000 actionRowFillDeduct=1000,1000,1000 "
        "actionRowFillMinTime=3000,3000,3000 actionNumsRowsConstRate=2,2,2 "
        "actionNumsRowsConstRateDeduct=1,1,1 actionRowFillDeductInLevel=500,500,500 "
        "actionRowFillDeductInLevelMod=100,100,100 actionRows=3,3,3 actionRowsToAdd=1,1,1 "
        "actionNumBalloonsToPop=30,30,30 actionNumBalloonsToAdd=5,5,5 actionNumBalloonsToSub=5,5,5 "
        "actionMinBalloonsToPop=15,15,15 3BalloonsMultiplier=1.0 4BalloonsMultiplier=1.0 "
        "5BalloonsMultiplier=1.0 6BalloonsMultiplier=1.0");
    settings.set(changes);
    return ActionTuning::read(settings);
}

struct Recorder final : ActionListener {
    std::vector<std::string> cues;
    std::vector<int> mascot;
    std::vector<GameBanner> banners;
    int endPops = 0;

    void requestCue(const char* name) override { cues.emplace_back(name); }
    void requestMascotCue(int cue) override { mascot.push_back(cue); }
    void showBanner(const GameBanner& banner) override { banners.push_back(banner); }
    void balloonPopped(int, int, int) override { ++endPops; }
    int count(const std::string& cue) const {
        return static_cast<int>(std::count(cues.begin(), cues.end(), cue));
    }
};

// The middle of a place of the Action board, where a click hits it.
BoardPointer clickAt(int row, int column) {
    return BoardPointer{174 + 28 * column + 14, 16 + 74 + 37 * row + 18, false, true};
}
BoardPointer away() {
    return BoardPointer{5, 470, false, false};
}

class ActionGameTest : public ::testing::Test {
protected:
    void SetUp() override { seedGameRandom(1234); }

    // Round `round` with the board as drawn (columns all filled, so none refills on its own).
    void playRound(int64_t round, std::initializer_list<const char*> rows, int32_t score = 0,
                   std::string_view changes = "") {
        game.newGame(exampleTuning(changes), 0, round, score);
        game.startRound(round);
        fillGrid(game.board(), rows);
    }
    ActionFrame frame(const BoardPointer& pointer = away()) { return game.playStep(kFrame, pointer); }
    // Lets pops finish and the board settle, without clicks.
    void settle() {
        for (int i = 0; i < 30; ++i) {
            frame();
        }
    }

    Recorder listener;
    ActionGame game{nullptr, &listener};
};

// Three columns of two colours side by side, repeated: every group is a vertical pair.
constexpr const char* kPairs = "010101010101010";
constexpr const char* kSingles = "012012012012012";

TEST(ActionTuningTest, RoundArithmeticFollowsTheRoundAndSaturates) {
    const ActionTuning tuning = exampleTuning("actionBalloons5=3,3,3 actionBalloons6=10,10,10");
    // Colours: 3 until round index 2 (the third round) brings 5; 6 from the tenth round.
    EXPECT_EQ(tuning.colourCount(0, 0), 3);
    EXPECT_EQ(tuning.colourCount(0, 1), 3);
    EXPECT_EQ(tuning.colourCount(0, 2), 5);
    EXPECT_EQ(tuning.colourCount(0, 9), 6);
    EXPECT_EQ(tuning.colourCount(0, std::numeric_limits<int64_t>::max()), 6);

    // Gold stars: 30 + 5 per round, 5 fewer per star already given, never below 15.
    EXPECT_EQ(tuning.popsNeeded(0, 2, 0), 40);
    EXPECT_EQ(tuning.popsNeeded(0, 2, 3), 25);
    EXPECT_EQ(tuning.popsNeeded(0, 2, 100), 15);
    EXPECT_EQ(tuning.popsNeeded(0, int64_t{1} << 40, 0), kMostInt);

    // Row time: 10 s less 1 s per round, at least 3 s; within a round 0.5 s + 0.1 s x round.
    EXPECT_FLOAT_EQ(tuning.rowSeconds(0, 0), 10.0f);
    EXPECT_FLOAT_EQ(tuning.rowSeconds(0, 4), 6.0f);
    EXPECT_FLOAT_EQ(tuning.rowSeconds(0, 50), 3.0f);
    EXPECT_FLOAT_EQ(tuning.rowSeconds(0, std::numeric_limits<int64_t>::max()), 3.0f);
    EXPECT_FLOAT_EQ(tuning.shortenedRowSeconds(0, 2, 6.0f), 5.3f);
    EXPECT_FLOAT_EQ(tuning.shortenedRowSeconds(0, 2, 3.2f), 3.0f);

    EXPECT_EQ(tuning.constantRateRows(0, 1), 1);
    EXPECT_EQ(tuning.constantRateRows(0, 7), 0);
    EXPECT_EQ(tuning.startingRows(0, 2), 5);
    EXPECT_EQ(tuning.startingRows(0, std::numeric_limits<int64_t>::max()), kMostInt);
    EXPECT_EQ(tuning.goldBonus(0, 2, 4), 1200);
    EXPECT_EQ(tuning.goldBonus(0, std::numeric_limits<int64_t>::max(), 6), kMostInt);
    // The starting rows are clamped into 1..10.
    EXPECT_EQ(exampleTuning("actionRows=0,40,5").startingRows(1, 0), 10);
    EXPECT_EQ(exampleTuning("actionRows=0,40,5").startingRows(0, 0), 1);
}

TEST_F(ActionGameTest, TheFillPhaseDropsTheStartingRowsEveryFourTenthsOfASecond) {
    game.newGame(exampleTuning(), 0, 2, 0);
    game.startRound(2);
    game.startFill();
    int pushed = 0;
    bool done = false;
    float seconds = 0.0f;
    while (!done && seconds < 10.0f) {
        const ActionFrame step = game.fillStep(kFrame);
        seconds += kFrame;
        pushed += step.rowPushed ? 1 : 0;
        done = step.fillDone;
    }
    // Round index 2 starts with 3 + 2 rows, one every 0.4 s.
    EXPECT_TRUE(done);
    EXPECT_EQ(pushed, 5);
    EXPECT_NEAR(seconds, 2.0f, 0.1f);
    EXPECT_EQ(listener.count("balloon_row_release"), 5);
    EXPECT_EQ(gridOf(game.board()).size(), 5u);
    EXPECT_FLOAT_EQ(game.preview(0).seconds, 8.0f);
}

TEST_F(ActionGameTest, AHugeSavedRoundStillEndsTheFillPhase) {
    game.newGame(exampleTuning(), 0, std::numeric_limits<int64_t>::max() / 2, 0);
    game.startRound(game.round());
    game.startFill();
    // The target saturates; the fill ends once it is reached or passed, however far away.
    EXPECT_EQ(game.tuning().startingRows(0, game.round()), kMostInt);
    EXPECT_FLOAT_EQ(game.rowSeconds(), 3.0f);
    EXPECT_EQ(game.popsNeeded(), kMostInt);
}

TEST_F(ActionGameTest, RowsArriveWhenThePreviewsHaveInflated) {
    playRound(0, {kPairs, kPairs, kPairs});
    float seconds = 0.0f;
    while (!frame().rowPushed && seconds < 20.0f) {
        seconds += kFrame;
    }
    EXPECT_NEAR(seconds, 10.0f, 0.05f);
    EXPECT_EQ(gridOf(game.board()).size(), 4u);
    EXPECT_EQ(listener.mascot.back(), MascotCue::kCordPull);
}

TEST_F(ActionGameTest, TheRowTimeShrinksAfterTheConstantRateRowsDownToItsFloor) {
    playRound(1, {kPairs, kPairs});
    const BoardPointer cord{300, 20, false, true};
    std::vector<float> times;
    for (int row = 0; row < 8; ++row) {
        ASSERT_TRUE(frame(cord).rowPushed);
        times.push_back(game.rowSeconds());
        settle();
    }
    // Round 1: 9 s while the pushed rows do not exceed the one constant-rate row, then 0.5 +
    // 0.1 s less per row, never below 3 s.
    EXPECT_FLOAT_EQ(times[0], 9.0f);
    EXPECT_FLOAT_EQ(times[1], 9.0f);
    EXPECT_NEAR(times[2], 8.4f, 1e-4f);
    EXPECT_NEAR(times[3], 7.8f, 1e-4f);
    EXPECT_NEAR(times.back(), 5.4f, 1e-4f);
    for (int row = 0; row < 20; ++row) {
        frame(cord);
        settle();
        if (game.isRoundOver()) {
            break;
        }
    }
    EXPECT_GE(game.rowSeconds(), 3.0f);
}

TEST_F(ActionGameTest, FiveDudClicksPushARowAndTheCordIsNoDud) {
    // Singles everywhere but for one pair at the far right, so the board still has a move.
    playRound(0, {"012012012012011", "120120120120120"});
    for (int dud = 1; dud <= 4; ++dud) {
        EXPECT_FALSE(frame(clickAt(0, 0)).rowPushed);
        EXPECT_EQ(game.dudClicks(), dud);
    }
    EXPECT_EQ(listener.count("pop0"), 4);
    // The fifth dud counts now and pushes the row in the next frame, with the previews still small.
    frame(clickAt(0, 0));
    EXPECT_EQ(game.dudClicks(), 5);
    EXPECT_TRUE(frame().rowPushed);
    EXPECT_EQ(game.dudClicks(), 0);
    EXPECT_EQ(gridOf(game.board()).size(), 3u);

    // The cord lies outside the board: pulling it pushes a row and is not a dud.
    settle();
    EXPECT_TRUE(frame(BoardPointer{146, 54, false, true}).rowPushed);
    EXPECT_EQ(game.dudClicks(), 0);
    EXPECT_EQ(listener.count("pop0"), 5);
    EXPECT_EQ(gridOf(game.board()).size(), 4u);
}

TEST_F(ActionGameTest, ABoardWithoutMovesTakesARowAtOnce) {
    playRound(0, {kSingles, "120120120120120"});
    EXPECT_TRUE(frame().rowPushed);
}

TEST_F(ActionGameTest, PopsEarnAGoldStarThatArrivesWithTheNextRow) {
    playRound(0, {kPairs, kPairs, kPairs, kPairs}, 0,
              "actionNumBalloonsToPop=4,4,4 actionMinBalloonsToPop=2,2,2");
    frame(clickAt(0, 0)); // a group of 4 (column 0, rows 0 to 3)
    EXPECT_EQ(game.popsSinceGold(), 4);
    EXPECT_EQ(game.score(), 10 + 5 * 3);
    frame();
    EXPECT_EQ(game.goldStarsGiven(), 1);
    EXPECT_EQ(game.popsNeeded(), 4); // 4 less 5 per star given before this one
    ASSERT_GE(game.goldColumn(), 0);
    EXPECT_EQ(listener.count("balloon_gold_unite"), 1);
    const int column = game.goldColumn();
    settle();
    if (column != 0) {
        EXPECT_EQ(game.preview(column).colour, kGoldColour);
    }
    frame(BoardPointer{300, 20, false, true});
    EXPECT_EQ(listener.count("chaching"), 1);
    EXPECT_EQ(game.goldColumn(), -1);
}

TEST_F(ActionGameTest, AGoldGroupWinsTheRoundWithItsBonusOnTopOfItsPoints) {
    playRound(2, {"666610101010101", kPairs, kPairs}, 1000);
    const ActionFrame pop = frame(clickAt(0, 0));
    ASSERT_TRUE(pop.popped);
    EXPECT_TRUE(pop.roundEnded);
    EXPECT_TRUE(game.roundWon());
    // A group of 4: 10 + 5 x T(2) points, and 3 x 4 x 100 for the gold.
    EXPECT_EQ(pop.pointsShown, 25);
    EXPECT_EQ(game.score(), 1000 + 25 + 1200);
    ASSERT_EQ(listener.banners.size(), 1u);
    EXPECT_STREQ(listener.banners[0].line1.data(), "4 gold star balloons!");
    EXPECT_STREQ(listener.banners[0].line2.data(), "1200 points!");
    EXPECT_EQ(listener.count("pop_golden"), 1);
    EXPECT_EQ(listener.count("cheer_6-10_left"), 1);
    EXPECT_EQ(listener.mascot.back(), MascotCue::kWon);

    // The rest pops off, then the result waits 4 s or a click.
    int frames = 0;
    while (!game.endStep(kFrame, false) && frames < 2000) {
        ++frames;
    }
    EXPECT_TRUE(gridOf(game.board()).empty());
    EXPECT_GT(listener.endPops, 0);
    EXPECT_EQ(game.endState(), ActionGame::kEndDialog);
}

TEST_F(ActionGameTest, ThePopOffAfterAWinPopsOnlyWhatCanStillPop) {
    playRound(0, {"660101010101010", kPairs});
    ASSERT_TRUE(frame(clickAt(0, 0)).roundEnded);
    // Three balloons left, two of them already popping: 0.05 s asks for two pops, one can happen.
    fillGrid(game.board(), {"012"});
    game.board().cellAt(0, 0).startPopping();
    game.board().cellAt(0, 1).startPopping();
    const int before = listener.endPops;
    EXPECT_FALSE(game.endStep(0.05f, false));
    EXPECT_EQ(listener.endPops, before + 1);
    EXPECT_TRUE(game.board().cellAt(0, 2).isPopping());
}

TEST_F(ActionGameTest, AnEmptiedColumnRefillsAtOnceFromItsPreview) {
    playRound(0, {"011111111111111", "011111111111111"});
    const int colour = game.preview(0).colour;
    const uint32_t starts = game.preview(0).starts;
    ASSERT_TRUE(frame(clickAt(0, 0)).popped);
    // The pair pops for 0.1 s; the frame its column is empty, the preview's balloon drops in.
    for (int i = 0; i < 10 && game.preview(0).starts == starts; ++i) {
        EXPECT_FALSE(frame().rowPushed);
    }
    EXPECT_EQ(game.preview(0).starts, starts + 1);
    EXPECT_EQ(game.board().cellAt(0, 0).colour(), colour);
    EXPECT_FALSE(game.board().cellAt(0, 0).isEmpty());
    EXPECT_FALSE(game.isRoundOver());
}

TEST_F(ActionGameTest, ARowOverAFullNinthRowLosesAndGreysTheBoard) {
    playRound(0, {kPairs, kPairs, kPairs, kPairs, kPairs, kPairs, kPairs, kPairs, kPairs});
    const ActionFrame lost = frame(BoardPointer{300, 20, false, true});
    EXPECT_TRUE(lost.roundEnded);
    EXPECT_FALSE(game.roundWon());
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(listener.count("balloon_greyout"), 1);
    EXPECT_GT(listener.endPops, 0);
    EXPECT_TRUE(listener.mascot.back() == MascotCue::kSlump || listener.mascot.back() == MascotCue::kFidget ||
                listener.mascot.back() == MascotCue::kSigh);
    // Rows turn grey from the bottom, one every 0.12 s, then the dialog follows after 1 s.
    int frames = 0;
    while (game.endState() == ActionGame::kEndGreying && frames < 1000) {
        game.endStep(kFrame, false);
        ++frames;
    }
    EXPECT_NEAR(frames * kFrame, 1.2f, 0.1f);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(game.board().cellAt(row, 3).colour(), ActionGame::kGreyColour);
        EXPECT_FLOAT_EQ(game.board().cellAt(row, 3).highlight(), ActionGame::kGreyHighlight);
    }
    EXPECT_TRUE(game.endStep(kFrame, true));
}

} // namespace
