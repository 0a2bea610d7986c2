// ClassicGameResume.cpp: taking a Classic game down as plain data and going on with it later.
#include "ClassicGame.h"

#include <algorithm>

ClassicGameRecord ClassicGame::record() const {
    ClassicGameRecord record;
    record.skill = m_options.skill;
    record.colourCount = m_options.colourCount;
    record.theme = m_options.theme;
    record.score = m_score;
    record.prizeTotal = m_prizeTotal;
    record.releasedCount = std::min(m_releasedCount, ClassicGameRecord::kMaxReleases);
    record.allPrizesFreed = m_allPrizesFreed;
    record.superPopRun = m_superPopRun;
    std::copy_n(m_releases.begin(), record.releasedCount, record.releases.begin());
    record.board = BoardSnapshot::take(m_board, m_shelf);
    record.undoCount = m_undo.size();
    for (int i = 0; i < record.undoCount; ++i) {
        record.undo[static_cast<std::size_t>(i)] = m_undo.snapshot(i);
        record.undoScores[static_cast<std::size_t>(i)] = m_undo.score(i);
    }
    return record;
}

void ClassicGame::restore(const ClassicGameRecord& record, const ClassicTuning& tuning) {
    newGame(tuning, ClassicOptions{record.skill, record.colourCount, record.theme});
    m_board.reset();
    record.board.restore(m_board, m_shelf);
    m_board.recountColumns();
    m_score = record.score;
    m_prizeTotal = record.prizeTotal;
    m_releasedCount = std::clamp(record.releasedCount, 0, kPrizeObjects);
    std::copy_n(record.releases.begin(), m_releasedCount, m_releases.begin());
    for (int i = 0; i < m_releasedCount; ++i) {
        m_shelf.cellAt(0, release(i).shelfSlot).setHoldsPrize(true);
    }
    m_allPrizesFreed = record.allPrizesFreed;
    m_superPopRun = record.superPopRun;
    m_undo.clear();
    for (int i = 0; i < record.undoCount; ++i) {
        m_undo.push(record.undo[static_cast<std::size_t>(i)], record.undoScores[static_cast<std::size_t>(i)]);
    }
    // A recorded game has been played: the board settles and the moves test runs as after a pop.
    m_settling = true;
}

bool ClassicGame::isAtRest() const {
    for (int column = 0; column < m_board.columns(); ++column) {
        const auto current = m_board.currentColumnPosition(column);
        const auto target = m_board.targetColumnPosition(column);
        if (current.x != target.x || current.y != target.y) {
            return false;
        }
        for (int row = 0; row < m_board.rows(); ++row) {
            const Balloon& place = m_board.cellAt(row, column);
            if (place.isPopping() || place.isRising() || (place.isEmpty() && place.holdsPrize())) {
                return false;
            }
        }
    }
    return true;
}
