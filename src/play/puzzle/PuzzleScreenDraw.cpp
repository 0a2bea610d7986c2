// PuzzleScreenDraw.cpp: the Puzzle picture: the side panel, the field and the scene above it.
#include "PuzzleScreen.h"
#include "engine/store/PlayerProfile.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "ui/GameContext.h"

#include <array>
#include <cstdio>

namespace {

constexpr int kPanelX = 66;

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

} // namespace

void PuzzleScreen::drawPlay() {
    context().canvas.selectFrame();
    if (!isBackdropReady()) {
        paintBackdrop();
    }
    drawSidePanel();
    drawPuzzleField(m_game.board(), m_floor);
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
        m_panelFont->drawText(text.data(), kPanelX, 35, ALIGN_CENTER);
        m_panelFont->drawText(m_catalog.name(m_current), kPanelX, 50, ALIGN_CENTER);
        const GoalLines goal = goalLines(m_game.goal());
        m_panelFont->drawText(goal.first, kPanelX, 75, ALIGN_CENTER);
        m_panelFont->drawText(goal.second, kPanelX, 90, ALIGN_CENTER);
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
