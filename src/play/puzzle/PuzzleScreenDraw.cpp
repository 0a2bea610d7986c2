// PuzzleScreenDraw.cpp: the Puzzle picture: the side panel, the field and the scene above it.
#include "PuzzleScreen.h"
#include "engine/store/PlayerProfile.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "ui/GameContext.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kPanelX = 66;
// The width the panel's frame leaves around kPanelX; a longer line (a long title) is drawn
// smaller to fit inside it.
constexpr int kPanelTextWidth = 110;

struct GoalLines {
    const char* first;
    const char* second;
};

GoalLines goalLines(PuzzleGoal goal) {
    switch (goal) {
    case PuzzleGoal::PopGold:
        return {"Pop all gold", "star balloons"};
    case PuzzleGoal::PrizesOnTargets:
        return {"Drop prizes on", "their targets"};
    case PuzzleGoal::PopAll:
        break;
    }
    return {"Pop all the", "balloons"};
}

void drawPanelLine(const ksFont& font, std::string_view text, int y) {
    const int width = font.getTextWidth(text);
    const float scale =
        width > kPanelTextWidth ? static_cast<float>(kPanelTextWidth) / static_cast<float>(width) : 1.0f;
    font.drawTextScaled(text, kPanelX, y, ALIGN_CENTER, scale);
}

} // namespace

void PuzzleScreen::drawPlay() {
    context().canvas.selectFrame();
    if (!isBackdropReady()) {
        paintBackdrop();
    }
    drawSidePanel();
    drawPuzzleField(m_game.board(), m_floor, m_prizePictures);
    if (state() == kPlaying) {
        m_keys.draw(context().canvas, m_game.board());
    }
    scene().list().sort();
    scene().list().drawAll();
    drawMenuFocus();
}

void PuzzleScreen::drawSidePanel() {
    if (m_panelFont != nullptr) {
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "Puzzle %d", m_current + 1);
        drawPanelLine(*m_panelFont, text.data(), 35);
        drawPanelLine(*m_panelFont, m_catalog.name(m_current), 50);
        const GoalLines goal = goalLines(m_game.goal());
        drawPanelLine(*m_panelFont, goal.first, 75);
        drawPanelLine(*m_panelFont, goal.second, 90);
        std::snprintf(text.data(), text.size(), "%d", m_catalog.value(m_current));
        m_panelFont->drawText(text.data(), 33, 136, ALIGN_LEFT);
        const int best = context().profile.best(m_current);
        if (best > 0) {
            std::snprintf(text.data(), text.size(), "%d", best);
        } else {
            std::snprintf(text.data(), text.size(), "-");
        }
        m_panelFont->drawText(text.data(), 108, 149, ALIGN_LEFT);
    }
    if (m_clicksFont != nullptr) {
        m_clicksFont->drawText(m_clicksText.text(m_game.clicks()), kClicksX, kClicksY, ALIGN_LEFT);
    }
}
