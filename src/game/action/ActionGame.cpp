// ActionGame.cpp: the rules of an Action game: rounds against the clock over an ActionBoard.
#include "ActionGame.h"

#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"
#include "game/rules/PopOff.h"
#include "game/rules/PopScoring.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// Cheers after a won round, by how far the game has come.
const char* cheerFor(int64_t round) {
    if (round < 3) {
        return "cheer_6-10_left";
    }
    if (round < 6) {
        return "cheer_1-5_left";
    }
    return "cheer_all_clear";
}

} // namespace

ActionGame::ActionGame(const BalloonImageTable* images, ActionListener* listener)
    : m_board(images, listener)
    , m_listener(listener)
    , m_model(0, 0, images) {}

void ActionGame::newGame(const ActionTuning& tuning, int skill, int64_t round, int32_t score) {
    m_tuning = tuning;
    m_skill = std::clamp(skill, 0, kSkillLevels - 1);
    m_round = std::max<int64_t>(round, 0);
    m_score = score;
    m_colourCount = m_tuning.colourCount(m_skill, m_round);
    m_multiplier = m_tuning.multiplierFor(m_colourCount);
    m_superPopRun = 0;
    m_roundOver = false;
    m_goldPopped = false;
    m_popsSinceGold = 0;
}

void ActionGame::startRound(int64_t round) {
    m_settling = false;
    m_goldPopped = false;
    m_roundOver = false;
    m_dudClicks = 0;
    m_superPopRun = 0;
    m_popsSinceGold = 0;
    m_goldStarsGiven = 0;
    m_goldColumn = -1;
    m_round = std::max<int64_t>(round, 0);
    m_popsNeeded = m_tuning.popsNeeded(m_skill, m_round, 0);
    m_rowsPushed = 0;
    m_rowSeconds = m_tuning.rowSeconds(m_skill, m_round);
    m_constantRateRows = m_tuning.constantRateRows(m_skill, m_round);
    m_colourCount = m_tuning.colourCount(m_skill, m_round);
    m_superPopThreshold = m_tuning.superPopThreshold(m_skill, m_colourCount);
    m_multiplier = m_tuning.multiplierFor(m_colourCount);
    m_endState = kEndWaiting;
    m_endCounter = 0;
    restartPreviews(m_rowSeconds);
}

void ActionGame::startFill() {
    m_board.reset();
    restartPreviews(kFillSeconds);
    m_rowsPushed = 0;
    m_stateClock = 0.0f;
    m_roundOver = false;
    m_goldPopped = false;
    m_filling = true;
    m_lowestRow = -1;
}

int ActionGame::randomColour() const {
    return gameRandom() % m_colourCount;
}

void ActionGame::restartPreview(int column, int colour, float seconds) {
    RowPreview& preview = m_previews[static_cast<std::size_t>(column)];
    preview.colour = colour;
    preview.elapsed = 0.0f;
    preview.seconds = seconds;
    ++preview.starts;
}

void ActionGame::restartPreviews(float seconds) {
    for (int column = 0; column < kColumns; ++column) {
        restartPreview(column, randomColour(), seconds);
    }
}

ActionFrame ActionGame::fillStep(float seconds) {
    ActionFrame frame;
    m_board.update(seconds);
    for (RowPreview& preview : m_previews) {
        preview.elapsed += seconds;
    }
    m_stateClock += seconds;
    if (m_stateClock >= kFillSeconds) {
        m_stateClock = 0.0f;
        cue("balloon_row_release");
        for (int column = 0; column < kColumns; ++column) {
            m_model.setContent(randomColour(), Balloon::kNoPrize);
            m_board.insertAtTop(column, m_model);
        }
        ++m_rowsPushed;
        frame.rowPushed = true;
        // Compared with >=, so a target already passed (a huge saved round) still ends the fill.
        if (m_rowsPushed >= m_tuning.startingRows(m_skill, m_round)) {
            m_filling = false;
            m_rowsPushed = 0;
            frame.fillDone = true;
            restartPreviews(m_rowSeconds);
        } else {
            restartPreviews(kFillPreviewSeconds);
        }
    }
    refreshPictures();
    return frame;
}

ActionFrame ActionGame::playStep(float seconds, const BoardPointer& pointer) {
    ActionFrame frame;
    m_board.update(seconds);
    if (m_settling) {
        m_board.raiseBalloons();
        m_board.collapseColumns();
    }
    if (m_popsSinceGold >= m_popsNeeded) {
        giveGoldStar();
    }
    for (RowPreview& preview : m_previews) {
        preview.elapsed += seconds;
    }
    refillEmptyColumns();

    const bool allInflated =
        std::all_of(m_previews.begin(), m_previews.end(), [](const RowPreview& p) { return p.finished(); });
    const bool cordPulled = pointer.leftReleased && pointer.x >= kCordLeft && pointer.y <= kCordBottom;
    if (!m_roundOver &&
        (allInflated || cordPulled || m_dudClicks >= kDudsPushRow || !testMoves(m_board).movesRemain)) {
        pushRow();
        frame.rowPushed = true;
    }

    refreshPictures();
    if (!m_roundOver) {
        pointerStep(pointer, frame);
    }
    frame.roundEnded = m_roundOver;
    return frame;
}

void ActionGame::giveGoldStar() {
    m_popsSinceGold = 0;
    m_popsNeeded = m_tuning.popsNeeded(m_skill, m_round, m_goldStarsGiven);
    ++m_goldStarsGiven;
    m_goldColumn = gameRandom() % kColumns;
    cue("balloon_gold_unite");
}

void ActionGame::refillEmptyColumns() {
    for (int column = 0; column < kColumns; ++column) {
        RowPreview& preview = m_previews[static_cast<std::size_t>(column)];
        if (m_board.cellAt(0, column).isEmpty()) {
            // An emptied column takes its preview's balloon at once.
            m_model.setContent(preview.colour, Balloon::kNoPrize);
            m_board.insertAtTop(column, m_model);
            if (column == m_goldColumn) {
                m_goldColumn = -1;
                restartPreview(column, kGoldColour, preview.seconds);
            } else {
                restartPreview(column, randomColour(), preview.seconds);
            }
        } else if (column == m_goldColumn) {
            preview.colour = kGoldColour;
        }
    }
}

void ActionGame::pushRow() {
    if (m_dudClicks >= kDudsPushRow) {
        m_dudClicks = 0;
    }
    mascot(MascotCue::kCordPull);
    cue("balloon_row_release");
    m_board.finishRising();
    bool overflow = false;
    for (int column = 0; column < kColumns; ++column) {
        const Balloon& bottom = m_board.cellAt(kLosingRow, column);
        overflow |= bottom.state() == BalloonState::Resting;
    }
    if (overflow) {
        endRound(false);
    }
    for (int column = 0; column < kColumns; ++column) {
        const int colour = m_previews[static_cast<std::size_t>(column)].colour;
        m_model.setContent(colour, Balloon::kNoPrize);
        m_board.insertAtTop(column, m_model);
        if (colour == kGoldColour) {
            cue("chaching");
            // The star has arrived; the column's next previews are ordinary again.
            if (column == m_goldColumn) {
                m_goldColumn = -1;
            }
        }
    }
    if (m_rowsPushed - m_constantRateRows > 0) {
        m_rowSeconds = m_tuning.shortenedRowSeconds(m_skill, m_round, m_rowSeconds);
    }
    if (m_rowsPushed < std::numeric_limits<int32_t>::max()) {
        ++m_rowsPushed;
    }
    restartPreviews(m_rowSeconds);
}

void ActionGame::refreshPictures() {
    m_lowestRow = -1;
    for (int column = 0; column < m_board.columns(); ++column) {
        for (int row = 0; row < m_board.rows(); ++row) {
            Balloon& place = m_board.cellAt(row, column);
            if (place.isPopping()) {
                place.clearImage();
                continue;
            }
            place.refreshImage(false, false);
            if (place.state() == BalloonState::Resting || place.isRising()) {
                m_lowestRow = std::max(m_lowestRow, row);
            }
        }
    }
}

void ActionGame::pointerStep(const BoardPointer& pointer, ActionFrame& frame) {
    frame.groupSize = groupUnderPointer(m_board, pointer);
    if (frame.groupSize == 0) {
        return;
    }
    const bool poppable = frame.groupSize >= 2;
    if (poppable && pointer.leftReleased) {
        popGroup(frame.groupSize, frame);
    } else if (pointer.leftReleased) {
        cue("pop0");
        ++m_dudClicks;
    }
    if (poppable) {
        showGroupUnderPointer(m_board, pointer);
    }
}

void ActionGame::popGroup(int groupSize, ActionFrame& frame) {
    m_settling = true;
    m_dudClicks = 0;
    m_popsSinceGold = truncSat(static_cast<double>(m_popsSinceGold) + groupSize);
    const GroupScoreRule rule{m_tuning.groupPopPoints[m_skill], m_tuning.extraPopPoints[m_skill],
                              m_tuning.bigGroupBonus[m_skill], m_superPopThreshold, m_multiplier};
    const GroupScore points = scoreGroup(rule, groupSize, m_superPopRun);
    if (points.superPop) {
        sendBanner(m_listener, superPopBanner(groupSize, points.bonus));
        mascot(MascotCue::kCheer);
    }
    m_score = addPoints(m_score, points.points);
    frame.popped = true;
    frame.pointsShown = truncSat(points.points);

    const bool gold = !m_board.group().empty() && m_board.group()[0].colour() == kGoldColour;
    if (!gold) {
        cue(popCueFor(groupSize));
        return;
    }
    m_goldPopped = true;
    const int32_t bonus = m_tuning.goldBonus(m_skill, m_round, groupSize);
    m_score = addPoints(m_score, bonus);
    endRound(true);
    GameBanner banner;
    std::snprintf(banner.line1.data(), banner.line1.size(), "%d gold star balloons!", groupSize);
    std::snprintf(banner.line2.data(), banner.line2.size(), "%d points!", bonus);
    banner.font2 = "font_dlg_head";
    sendBanner(m_listener, banner);
    cue("pop_golden");
}

void ActionGame::endRound(bool won) {
    m_roundOver = true;
    m_stateClock = 0.0f;
    m_endCounter = 0;
    if (won) {
        mascot(MascotCue::kWon);
        m_endState = kEndPoppingOff;
        cue(cheerFor(m_round));
        return;
    }
    cue("balloon_greyout");
    for (int row = kFirstGreyRow; row <= kLosingRow; ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            const Balloon& place = m_board.cellAt(row, column);
            if (place.isOccupied() && !place.isPopping()) {
                popBalloon(row, column);
            }
        }
    }
    const float draw = static_cast<float>(gameRandom()) / kGameRandomMax;
    mascot(draw < 0.33f ? MascotCue::kSlump : draw < 0.66f ? MascotCue::kFidget : MascotCue::kSigh);
    m_endState = kEndGreying;
}

void ActionGame::popBalloon(int row, int column) {
    Balloon& place = m_board.cellAt(row, column);
    const int colour = place.colour();
    place.clearImage();
    place.clearOffset();
    place.startPopping();
    if (m_listener != nullptr) {
        m_listener->balloonPopped(row, column, colour);
    }
}

bool ActionGame::endStep(float seconds, bool answered) {
    m_board.update(seconds);
    m_stateClock += seconds;
    switch (m_endState) {
    case kEndGreying:
        greyStep();
        break;
    case kEndPoppingOff:
        popOffStep();
        break;
    case kEndWaiting: {
        const float wait = m_goldPopped ? kWonWaitSeconds : kLostWaitSeconds;
        if (m_stateClock > wait || answered) {
            m_endState = kEndDialog;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void ActionGame::greyStep() {
    if (m_stateClock < kGreyStepSeconds) {
        return;
    }
    m_stateClock -= kGreyStepSeconds;
    ++m_endCounter;
    for (int row = m_board.rows() - m_endCounter; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            Balloon& place = m_board.cellAt(std::max(row, 0), column);
            if (place.isOccupied() && !place.isPopping()) {
                place.setColour(kGreyColour);
                place.refreshImage(false, false);
                place.setHighlight(kGreyHighlight);
            }
        }
    }
    if (m_endCounter >= m_board.rows()) {
        m_endState = kEndWaiting;
        m_stateClock = 0.0f;
    }
}

void ActionGame::popOffStep() {
    if (m_stateClock <= kPopOffStepSeconds) {
        return;
    }
    const int wanted = truncSat(m_stateClock * kPopOffRate);
    m_stateClock -= kPopOffStepSeconds;
    int occupied = 0;
    for (int row = 0; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            occupied += m_board.cellAt(row, column).isOccupied() ? 1 : 0;
        }
    }
    if (occupied == 0) {
        m_endState = kEndWaiting;
        m_stateClock = 0.0f;
        return;
    }
    // Bounded by the balloons that can still pop, so the loop ends even when every balloon
    // left is already popping.
    for (int n = std::min(wanted, countPoppable(m_board)); n > 0; --n) {
        const std::optional<BoardPlace> place = findRandomPoppable(m_board);
        if (!place) {
            break;
        }
        popBalloon(place->row, place->column);
        if (place->row % 2 == 0 && place->column % 2 == 0) {
            cue("pop23");
        }
    }
}

void ActionGame::cue(const char* name) {
    sendCue(m_listener, name);
}

void ActionGame::mascot(int cueNumber) {
    sendMascotCue(m_listener, cueNumber);
}
