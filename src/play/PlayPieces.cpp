// PlayPieces.cpp: drawing and bookkeeping every mode screen does the same way.
#include "PlayPieces.h"

#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "game/board/BalloonBoard.h"
#include "ui/GameContext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

void drawBalloonPicture(const ksImage& picture, int x, int y, float highlight) {
    if (highlight < 1.0f) {
        picture.drawFaded(x, y, 1.0f - highlight);
        picture.drawLighten(x, y, highlight);
    } else {
        picture.draw(x, y);
    }
}

void drawBoardBalloons(const BalloonBoard& board, bool fadeByHighlight) {
    for (int column = 0; column < board.columns(); ++column) {
        const int left = board.columnX(column);
        for (int row = 0; row < board.rows(); ++row) {
            const Balloon& place = board.cellAt(row, column);
            const ksImage* picture = place.isOccupied() ? place.image() : nullptr;
            if (picture == nullptr) {
                continue;
            }
            const int top = board.rowY(row, column);
            const int x = truncSat(static_cast<double>(left) + place.offsetX() + place.jiggleX());
            const int y = truncSat(static_cast<double>(top) + place.offsetY() + place.jiggleY());
            if (fadeByHighlight && place.highlight() < 1.0f) {
                picture->drawFaded(x, y, place.highlight());
            } else {
                drawBalloonPicture(*picture, x, y, place.highlight());
            }
        }
    }
}

const char* NumberText::text(int32_t number) {
    if (!m_valid || number != m_shown) {
        m_shown = number;
        m_valid = true;
        std::snprintf(m_text.data(), m_text.size(), "%s", ksFont::formatNumber(number).c_str());
    }
    return m_text.data();
}

void ScorePulse::step(int32_t score, float seconds) {
    if (m_known && score != m_score) {
        m_clock = 0.0f;
    } else if (m_clock < kSeconds) {
        m_clock = std::min(m_clock + seconds, kSeconds);
    }
    m_score = score;
    m_known = true;
    if (isPulsing()) {
        WakeRequests::nextFrame();
    }
}

float ScorePulse::scale() const {
    if (!isPulsing()) {
        return 1.0f;
    }
    return 1.0f + kSwell * std::sin(std::numbers::pi_v<float> * m_clock / kSeconds);
}

void formatWithNumber(std::array<char, 64>& out, const char* format, int32_t number) {
    const std::string_view text = format;
    const std::size_t at = text.find("%s");
    if (at == std::string_view::npos) {
        std::snprintf(out.data(), out.size(), "%s", format);
        return;
    }
    const std::string digits = ksFont::formatNumber(number);
    std::snprintf(out.data(), out.size(), "%.*s%s%s", static_cast<int>(at), format, digits.c_str(),
                  format + at + 2);
}

void recordHighScore(GameContext& context, GameMode mode, std::string_view name, int32_t score) {
    const std::string text(name);
    context.profile.setName(text);
    savePlayerProfile(context.settings, context.profile);
    context.highScores.add(mode, text.c_str(), score);
    context.highScores.save();
}
