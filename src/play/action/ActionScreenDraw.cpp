// ActionScreenDraw.cpp: the Action play area: meter, round and score, board, previews and cord.
#include "ActionScreen.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// The mascot's frame index in the cord pull moves the cord this far down per frame, from frame 2.
constexpr int kCordStep = 40;
constexpr int kCordFirstFrame = 2;
// The highlight pulses over the filled part of the meter once a gold star is three quarters due.
constexpr float kHighlightFrom = 0.75f;
constexpr float kPulseRate = 6.0f;

} // namespace

void ActionScreen::drawPlay() {
    context().canvas.selectFrame();
    drawMeter();
    drawNumbers();
    drawBoard();
    if (state() == kPlaying) {
        m_keys.draw(context().canvas, m_game.board());
    }
    drawPreviews();
    drawCord();
    scene().list().sort();
    scene().list().drawAll();
    drawMenuFocus();
}

void ActionScreen::drawMeter() {
    if (m_meter == nullptr) {
        return;
    }
    const float opacity = fader().value();
    const int32_t needed = m_game.popsNeeded();
    int width = m_meter->getWidth();
    float progress = 1.0f;
    if (needed > 0) {
        progress = static_cast<float>(std::min(m_game.popsSinceGold(), needed)) / static_cast<float>(needed);
        width = static_cast<int>(static_cast<float>(width) * progress);
    }
    if (width > 0) {
        m_meter->drawPartFaded(kMeterX, kMeterY, 0, 0, width, m_meter->getHeight(), opacity);
    }
    if (m_meterHighlight != nullptr && width > 0 && progress >= kHighlightFrom) {
        const float pulse = 0.5f + 0.5f * std::sin(elapsed() * kPulseRate);
        const int highlightWidth = std::min(width, m_meterHighlight->getWidth());
        m_meterHighlight->drawPartFaded(kMeterX, kMeterY, 0, 0, highlightWidth, m_meterHighlight->getHeight(),
                                        opacity * pulse);
    }
}

void ActionScreen::drawNumbers() {
    if (m_scoreFont == nullptr) {
        return;
    }
    const float opacity = fader().value();
    m_scoreFont->setOpacity(opacity);
    const int64_t round = m_game.round() + 1;
    m_scoreFont->drawText(
        m_roundText.text(static_cast<int32_t>(std::min<int64_t>(round, std::numeric_limits<int32_t>::max()))),
        kRoundX, kRoundY, ALIGN_CENTER);
    m_scoreFont->drawTextScaled(m_scoreText.text(m_game.score()), kScoreX, kScoreY, ALIGN_LEFT,
                                m_scorePulse.scale());
    m_scoreFont->setOpacity(1.0f);
}

void ActionScreen::drawBoard() {
    // After a loss the greyed balloons show at their highlight's opacity.
    const bool greyOut = state() == kRoundOver && !m_game.roundWon();
    drawBoardBalloons(m_game.board(), greyOut);
}

void ActionScreen::drawPreviews() {
    if (state() != kFilling && state() != kPlaying) {
        return;
    }
    for (InflateEffect& shown : m_previews.members()) {
        shown.draw();
    }
}

void ActionScreen::drawCord() {
    if (m_cord == nullptr) {
        return;
    }
    int y = kCordY;
    if (m_mascot.currentCue() == MascotCue::kCordPull) {
        y = (m_mascot.currentFrameIndex() - kCordFirstFrame) * kCordStep;
    }
    m_cord->draw(kCordX, y);
}
