// ActionGame.h: the rules of an Action game: rounds against the clock over an ActionBoard.
#pragma once

#include "ActionTuning.h"
#include "game/board/ActionBoard.h"
#include "game/rules/GroupClick.h"
#include "game/rules/RulesEvents.h"

#include <array>
#include <cstdint>

// The Action events beyond the shared ones.
class ActionListener : public RulesListener {
public:
    // A balloon popped by the end of a round (the grey-out of a loss, the pop-off of a win); the
    // screen shows a pop effect there.
    virtual void balloonPopped(int /*row*/, int /*column*/, int /*colour*/) {}

protected:
    ~ActionListener() = default;
};

// The balloon waiting above one column: its colour and how far it has inflated. The row comes in
// once every preview has finished.
struct RowPreview {
    int colour = 0;
    float elapsed = 0.0f;
    float seconds = 0.0f;
    // Counts the restarts, so a screen showing the preview sees when to start its picture again.
    uint32_t starts = 0;

    bool finished() const { return elapsed >= seconds; }
};

// What a frame of play did, for the screen to show and count.
struct ActionFrame {
    bool rowPushed = false;
    int groupSize = 0;       // the group under the pointer (members in board().group())
    bool popped = false;     // that group was popped by this click
    int32_t pointsShown = 0; // what the floating score shows (gold bonus not included)
    bool roundEnded = false; // see roundWon()
    bool fillDone = false;   // the fill phase ended in this frame; play begins
};

// The Action rules as plain code. A game is a run of rounds; each round starts with the fill
// phase (the starting rows drop in every 0.4 s) and then plays until a gold group is popped (won)
// or a row arrives while a column is full down to row 8 (lost, and with it the game).
//
// The screen's calls, per state:
//   new game: newGame(tuning, skill, round, score) (the saved round and score, or 0 and 0), then
//             startRound(round) and startFill();
//   filling:  fillStep(seconds) until it answers fillDone;
//   playing:  playStep(seconds, pointer) until it answers roundEnded;
//   round over: endStep(seconds, answered) until it answers true: the result dialog is due.
//   next round: startRound(round() + 1), startFill().
// The rules never advance on their own, so a paused screen or an open dialog stops every clock.
class ActionGame {
public:
    static constexpr int kColumns = 15;
    static constexpr float kFillSeconds = 0.4f;        // between the starting rows
    static constexpr float kFillPreviewSeconds = 0.7f; // the previews during the fill phase
    static constexpr int kDudsPushRow = 5;
    static constexpr int kLosingRow = 8; // a row arriving over a balloon resting here loses
    static constexpr int kAlarmRow = 7;  // a balloon this low sounds the alarm
    static constexpr int kFirstGreyRow = 6;
    static constexpr int kGreyColour = 5;
    static constexpr float kGreyHighlight = 0.6f;
    static constexpr float kGreyStepSeconds = 0.12f;
    static constexpr float kPopOffStepSeconds = 0.018f;
    static constexpr float kPopOffRate = 55.555557f; // the float nearest 1 / 0.018
    static constexpr float kWonWaitSeconds = 4.0f;
    static constexpr float kLostWaitSeconds = 1.0f;
    // The cord hangs at the top left: a click at x >= 146 and y <= 54 pulls it.
    static constexpr int kCordLeft = 146;
    static constexpr int kCordBottom = 54;
    // End states of a finished round.
    static constexpr int kEndGreying = 0;
    static constexpr int kEndPoppingOff = 1;
    static constexpr int kEndWaiting = 2;
    static constexpr int kEndDialog = 3;

    // `images` and `listener` may be null and must outlive the game.
    ActionGame(const BalloonImageTable* images, ActionListener* listener);
    ActionGame(const ActionGame&) = delete;
    ActionGame& operator=(const ActionGame&) = delete;

    // A game at `round` with `score` (a saved game, or 0 and 0) at skill level `skill`. The
    // caller seeds the game's random generator beforehand.
    void newGame(const ActionTuning& tuning, int skill, int64_t round, int32_t score);
    // Sets up round `round`: pops needed, row time, constant-rate rows, colour count, threshold
    // and multiplier; every preview restarts with the round's row time. The board stays.
    void startRound(int64_t round);
    // An empty board; the starting rows begin to drop in.
    void startFill();

    ActionFrame fillStep(float seconds);
    ActionFrame playStep(float seconds, const BoardPointer& pointer);
    // The finished round's grey-out or pop-off, then the wait; true once the result dialog is
    // due (`answered`: a click or key this frame ends the wait early).
    bool endStep(float seconds, bool answered);

    ActionBoard& board() { return m_board; }
    const ActionBoard& board() const { return m_board; }
    const RowPreview& preview(int column) const { return m_previews[static_cast<std::size_t>(column)]; }
    int64_t round() const { return m_round; }
    int32_t score() const { return m_score; }
    int skill() const { return m_skill; }
    int colourCount() const { return m_colourCount; }
    float multiplier() const { return m_multiplier; }
    int32_t superPopThreshold() const { return m_superPopThreshold; }
    int32_t superPopRun() const { return m_superPopRun; }
    float rowSeconds() const { return m_rowSeconds; }
    int32_t rowsPushed() const { return m_rowsPushed; }
    int32_t constantRateRows() const { return m_constantRateRows; }
    int32_t popsSinceGold() const { return m_popsSinceGold; }
    int32_t popsNeeded() const { return m_popsNeeded; }
    int32_t goldStarsGiven() const { return m_goldStarsGiven; }
    int goldColumn() const { return m_goldColumn; }
    int dudClicks() const { return m_dudClicks; }
    bool isSettling() const { return m_settling; }
    bool isFilling() const { return m_filling; }
    bool isRoundOver() const { return m_roundOver; }
    bool roundWon() const { return m_goldPopped; }
    // A balloon rests or rises in row 7 or lower: the board is nearly full.
    bool isNearlyFull() const { return m_lowestRow >= kAlarmRow; }
    int endState() const { return m_endState; }
    int endCounter() const { return m_endCounter; }
    float stateClock() const { return m_stateClock; }
    const ActionTuning& tuning() const { return m_tuning; }

private:
    void restartPreviews(float seconds);
    void restartPreview(int column, int colour, float seconds);
    int randomColour() const;
    void pushRow();
    void giveGoldStar();
    void refillEmptyColumns();
    void refreshPictures();
    void pointerStep(const BoardPointer& pointer, ActionFrame& frame);
    void popGroup(int groupSize, ActionFrame& frame);
    void endRound(bool won);
    void popBalloon(int row, int column);
    void greyStep();
    void popOffStep();
    void cue(const char* name);
    void mascot(int cueNumber);

    ActionBoard m_board;
    ActionListener* m_listener;
    Balloon m_model;
    ActionTuning m_tuning;
    std::array<RowPreview, kColumns> m_previews{};
    int m_skill = 0;
    int64_t m_round = 0;
    int32_t m_score = 0;
    int m_colourCount = kFewestColours;
    float m_multiplier = 0.0f;
    int32_t m_superPopThreshold = 0;
    int32_t m_superPopRun = 0;
    float m_rowSeconds = 0.0f;
    int32_t m_rowsPushed = 0;
    int32_t m_constantRateRows = 0;
    int32_t m_popsSinceGold = 0;
    int32_t m_popsNeeded = 0;
    int32_t m_goldStarsGiven = 0;
    int m_goldColumn = -1;
    int m_dudClicks = 0;
    int m_lowestRow = -1;
    bool m_settling = false;
    bool m_filling = false;
    bool m_roundOver = false;
    bool m_goldPopped = false;
    int m_endState = kEndWaiting;
    int m_endCounter = 0;
    float m_stateClock = 0.0f;
};
