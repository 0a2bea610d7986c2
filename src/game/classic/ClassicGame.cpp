// ClassicGame.cpp: the rules of a Classic game over its board, prize shelf and undo history.
#include "ClassicGame.h"

#include "ClassicScoring.h"
#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"
#include "game/rules/GameConstants.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// Where a prize leaves its place, from the place's top-left corner.
constexpr int kPrizeStartDX = 14;
constexpr int kPrizeStartDY = 18;
constexpr float kBreezeSeconds = 27.0f;
constexpr float kBreezeSpreadSeconds = 6.0f;
// The breeze reaches each place a little later, down and to the right.
constexpr float kBreezeWaveDelay = 0.03f;
constexpr int kFewestForBonus = 10;

ClassicOptions safeOptions(const ClassicOptions& options) {
    ClassicOptions safe{std::clamp(options.skill, 0, kSkillLevels - 1),
                        std::clamp(options.colourCount, kFewestColours, kMostColours),
                        std::clamp(options.theme, 0, kThemes - 1)};
    if (safe.skill != options.skill || safe.colourCount != options.colourCount ||
        safe.theme != options.theme) {
        trace("ClassicGame::newGame - options %d/%d/%d out of range, using %d/%d/%d", options.skill,
              options.colourCount, options.theme, safe.skill, safe.colourCount, safe.theme);
    }
    return safe;
}

GameBanner oneLineBanner(const char* text) {
    GameBanner banner;
    std::snprintf(banner.line1.data(), banner.line1.size(), "%s", text);
    return banner;
}

} // namespace

ClassicGame::ClassicGame(const BalloonImageTable* images, ClassicListener* listener)
    : m_board(images, listener)
    , m_shelf(images)
    , m_listener(listener) {}

void ClassicGame::newGame(const TuningLookup& settings, const ClassicOptions& options) {
    newGame(ClassicTuning::read(settings), options);
}

void ClassicGame::newGame(const ClassicTuning& tuning, const ClassicOptions& options) {
    m_tuning = tuning;
    m_options = safeOptions(options);
    m_multiplier = m_tuning.multiplierFor(m_options.colourCount);
    m_score = 0;
    m_noMoves = false;
    m_allPrizesFreed = false;
    m_allBalloonsPopped = false;
    m_prizeInFlight = false;
    m_ended = false;
    m_balloonsLeft = 0;
    deal();
}

void ClassicGame::deal() {
    const int skill = m_options.skill;
    m_settling = false;
    m_releasedCount = 0;
    m_superPopRun = 0;
    m_superPopThreshold = m_tuning.superPopThreshold(m_options.colourCount, skill);
    m_undo.clear();
    // A dealt board may hold no group of two: the moves test looks at it before the first pop.
    m_movesTestDue = true;

    m_board.reset();
    for (int row = 0; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            // A colour is drawn for every place, filled or not, so the deal does not depend on
            // the row count.
            const int colour = gameRandom() % m_options.colourCount;
            m_board.cellAt(row, column)
                .setContent(row < m_tuning.rows[skill] ? colour : Balloon::kNoColour, Balloon::kNoPrize);
        }
    }

    // Prize i lies in column i, at a random height within the prize rows.
    m_prizeTotal = m_tuning.prizes[skill];
    const int highest = m_tuning.minPrizeRow[skill];
    const int lowest = m_tuning.maxPrizeRow[skill];
    for (int prize = 0; prize < m_prizeTotal; ++prize) {
        const int row = highest - 1 + (lowest < highest ? 0 : gameRandom() % (lowest - highest + 1));
        int column = prize % m_board.columns();
        for (int tries = 1; m_board.cellAt(row, column).holdsPrize() && tries < m_board.columns(); ++tries) {
            column = (column + 1) % m_board.columns();
        }
        m_board.cellAt(row, column).placePrize(prize % kPrizeKinds);
    }

    for (int slot = 0; slot < m_shelf.columns(); ++slot) {
        Balloon& place = m_shelf.cellAt(0, slot);
        place.setContent(Balloon::kNoColour, Balloon::kNoPrize);
        place.clearImage();
    }
}

int32_t ClassicGame::scorePrizeLanding(int releaseIndex) {
    if (releaseIndex < 0 || releaseIndex >= m_releasedCount) {
        return 0;
    }
    const int skill = m_options.skill;
    const float points = prizeLandingPoints(m_tuning.prizePoints[skill], m_tuning.lastPrize[skill],
                                            release(releaseIndex).sourceRow, m_board.rows(),
                                            releaseIndex >= m_prizeTotal - 1, m_multiplier);
    m_score = addPoints(m_score, points);
    return truncSat(points);
}

ClassicStep ClassicGame::advance(float seconds) {
    ClassicStep step;
    m_board.update(seconds);
    if (m_settling) {
        m_board.raiseBalloons();
    }

    m_breezeCountdown -= seconds;
    if (m_breezeCountdown <= 0.0f) {
        cue("breeze");
        m_breezeCountdown =
            kBreezeSeconds + kBreezeSpreadSeconds * static_cast<float>(gameRandom()) / kGameRandomMax;
        step.breeze = true;
    }
    WakeRequests::after(m_breezeCountdown);

    for (int column = 0; column < m_board.columns(); ++column) {
        for (int row = 0; row < m_board.rows(); ++row) {
            Balloon& place = m_board.cellAt(row, column);
            if (step.breeze) {
                place.startShake(kBreezeWaveDelay * static_cast<float>(row + column));
            }
            if (place.isPopping()) {
                place.clearImage();
            } else if (place.isEmpty() && place.holdsPrize()) {
                releasePrize(row, column);
            } else {
                place.refreshImage(false, false);
            }
        }
    }

    if (!m_settling && !m_movesTestDue) {
        return step;
    }
    m_movesTestDue = false;
    if (m_settling) {
        m_board.collapseColumns();
    }
    if (!movesRemain()) {
        // The verdict stands until a new game or an undo, so its cue sounds once.
        if (!m_noMoves) {
            const bool allOut = m_releasedCount == m_prizeTotal;
            cue(!allOut               ? "loosetrumpet"
                : m_balloonsLeft == 0 ? "cheer_all_clear"
                : m_balloonsLeft <= 5 ? "cheer_1-5_left"
                                      : "cheer_6-10_left");
        }
        m_noMoves = true;
    }
    if (m_releasedCount == m_prizeTotal) {
        if (!m_allPrizesFreed) {
            cue("cheer_6-10_left");
            mascot(MascotCue::kAllPrizes);
            // From here on a game can no longer be taken back.
            m_undo.clear();
            m_prizeInFlight = true;
            step.allPrizesJustFreed = true;
        }
        step.allPrizesFreed = true;
        m_allPrizesFreed = true;
    }
    return step;
}

bool ClassicGame::movesRemain() {
    const MovesTest test = testMoves(m_board);
    if (!test.movesRemain) {
        m_balloonsLeft = test.balloons;
        m_allBalloonsPopped = test.balloons == 0;
    }
    return test.movesRemain;
}

void ClassicGame::releasePrize(int row, int column) {
    Balloon& place = m_board.cellAt(row, column);
    const int kind = place.prizeKind();
    mascot(MascotCue::kCheer);
    char prizeCue[16];
    std::snprintf(prizeCue, sizeof prizeCue, "P_%i%i", m_options.theme, kind);
    cue(prizeCue);

    const int startX = m_board.columnX(column) + kPrizeStartDX;
    const int startY = m_board.rowY(row, column) + kPrizeStartDY;
    int nearest = -1;
    int64_t nearestDistance = std::numeric_limits<int64_t>::max();
    for (int slot = 0; slot < m_shelf.columns(); ++slot) {
        if (m_shelf.cellAt(0, slot).holdsPrize()) {
            continue;
        }
        const int64_t dx = m_shelf.columnX(slot) - startX;
        const int64_t dy = m_shelf.rowY(0, slot) - startY;
        if (dx * dx + dy * dy < nearestDistance) {
            nearestDistance = dx * dx + dy * dy;
            nearest = slot;
        }
    }
    if (nearest < 0 || m_releasedCount >= kPrizeObjects) {
        trace("Too many prizes below grid, can't drop prize");
        place.removePrize();
        return;
    }

    Balloon& slot = m_shelf.cellAt(0, nearest);
    slot.placePrize(kind);
    slot.clearImage();
    cue("prize_flyoff");
    ClassicPrizeRelease& release = m_releases[static_cast<std::size_t>(m_releasedCount)];
    release = {m_releasedCount,
               kind,
               m_options.theme,
               row,
               column,
               startX,
               startY,
               nearest,
               m_shelf.columnX(nearest),
               m_shelf.rowY(0, nearest)};
    if (m_listener != nullptr) {
        m_listener->releasePrize(release);
    }
    // Released in this frame, the prize has not been seen moving yet; the game waits for it.
    m_prizeInFlight = true;
    ++m_releasedCount;
    place.removePrize();
}

ClassicPointerResult ClassicGame::pointerStep(const BoardPointer& pointer, int minimumGroup) {
    ClassicPointerResult result;
    if (m_noMoves) {
        return result;
    }
    result.groupSize = groupUnderPointer(m_board, pointer);
    if (result.groupSize == 0) {
        return result;
    }
    const bool poppable = result.groupSize >= minimumGroup;
    if (poppable && pointer.leftReleased) {
        popGroup(result.groupSize, result);
    } else if (pointer.leftReleased) {
        cue("pop0");
    }
    if (poppable) {
        showGroupUnderPointer(m_board, pointer);
    }
    return result;
}

void ClassicGame::popGroup(int groupSize, ClassicPointerResult& result) {
    const int skill = m_options.skill;
    cue(popCueFor(groupSize));
    const GroupScoreRule rule{m_tuning.groupPopPoints[skill], m_tuning.extraPopPoints[skill],
                              m_tuning.bigGroupBonus[skill], m_superPopThreshold, m_multiplier};
    const GroupScore points = scoreGroup(rule, groupSize, m_superPopRun);
    if (points.superPop) {
        banner(superPopBanner(groupSize, points.bonus));
        mascot(MascotCue::kCheer);
        cue("superpop");
    }
    m_score = addPoints(m_score, points.points);
    result.popped = true;
    result.pointsShown = truncSat(points.points);

    // The snapshot still shows the group: undo returns to the board as it was before the click.
    m_settling = true;
    if (!m_undo.push(BoardSnapshot::take(m_board, m_shelf), m_score)) {
        trace("ClassicGame::popGroup - undo history full");
    }
}

ClassicEnd ClassicGame::endGame() {
    ClassicEnd end;
    m_ended = true;
    end.won = m_allPrizesFreed;
    end.balloonsLeft = m_balloonsLeft;
    if (!end.won) {
        const float draw = static_cast<float>(gameRandom()) / kGameRandomMax;
        mascot(draw < 0.33f ? MascotCue::kSlump : draw < 0.66f ? MascotCue::kFidget : MascotCue::kSigh);
        banner(oneLineBanner("No Moves Left!"));
        return end;
    }

    mascot(MascotCue::kWon);
    const int skill = m_options.skill;
    if (m_allBalloonsPopped) {
        end.bonus = clearBonusPoints(m_tuning.clearBonus[skill], m_multiplier);
        m_score = addPoints(m_score, end.bonus);
        GameBanner allPopped = oneLineBanner("All Balloons Popped!");
        allPopped.line2Format = "BONUS %s pts";
        allPopped.line2Number = end.bonus;
        allPopped.font2 = "font_dlg_head";
        banner(allPopped);
    } else if (m_balloonsLeft > kFewestForBonus) {
        banner(oneLineBanner("Next time leave 10 or fewer balloons for a bonus!"));
    } else {
        GameBanner fewLeft;
        if (m_balloonsLeft == 1) {
            std::snprintf(fewLeft.line1.data(), fewLeft.line1.size(), "1 balloon left!");
        } else {
            std::snprintf(fewLeft.line1.data(), fewLeft.line1.size(), "%d balloons left!", m_balloonsLeft);
        }
        const int32_t bonus = fewLeftBonusPoints(
            m_tuning.notClearBonus[skill], m_tuning.balloonPenalty[skill], m_balloonsLeft, m_multiplier);
        if (bonus > 0) {
            end.bonus = bonus;
            m_score = addPoints(m_score, bonus);
            fewLeft.line2Format = "%s Bonus!";
            fewLeft.line2Number = bonus;
            fewLeft.font2 = "font_dlg_head";
        }
        banner(fewLeft);
    }
    return end;
}

bool ClassicGame::undoMove() {
    if (m_undo.empty()) {
        return false;
    }
    cue("undo");
    for (int i = 0; i < m_releasedCount; ++i) {
        m_shelf.cellAt(0, release(i).shelfSlot).setHoldsPrize(false);
    }

    // Every entry, the first included, restores the board the player saw before that pop.
    m_board.reset();
    const int prizesOnBoard = m_undo.pop().restore(m_board, m_shelf);
    m_score = m_undo.lastScore();
    m_board.recountColumns();
    m_releasedCount = std::clamp(m_prizeTotal - prizesOnBoard, 0, m_releasedCount);

    for (int i = 0; i < m_releasedCount; ++i) {
        m_shelf.cellAt(0, release(i).shelfSlot).setHoldsPrize(true);
    }
    // The board may have moves again; let the moves test look afresh.
    clearNoMoves();
    return true;
}

void ClassicGame::clearNoMoves() {
    m_noMoves = false;
    m_ended = false;
    // Even without a pop since (an undo with nothing to take back), the verdict comes again.
    m_movesTestDue = true;
}

void ClassicGame::cue(const char* name) {
    sendCue(m_listener, name);
}

void ClassicGame::mascot(int cueNumber) {
    sendMascotCue(m_listener, cueNumber);
}

void ClassicGame::banner(const GameBanner& banner) {
    sendBanner(m_listener, banner);
}
