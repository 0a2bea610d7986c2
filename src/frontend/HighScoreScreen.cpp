// HighScoreScreen.cpp: the high-score table and the statistics of Classic and Action mode.
#include "HighScoreScreen.h"

#include "FontOpacity.h"
#include "engine/input/TypedKeys.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "ui/GameContext.h"

#include <cstdio>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 460;
constexpr int32_t kYesId = 3;
constexpr int32_t kNoId = 4;

// The table and the statistics, relative to the dialog's top-left corner.
constexpr int kHeadingY = 80;
constexpr int kFirstRowY = 115;
constexpr int kNameX = 110;
constexpr int kScoreRight = kWidth - 100;
constexpr int kRows = HighScoreTable::kGameListCapacity;

} // namespace

HighScoreScreen::HighScoreScreen(GameContext& context)
    : m_context(context)
    , m_textFont(context.resources.getFont("font_dlg_med"))
    , m_headFont(context.resources.getFont("font_dlg_head"))
    , m_buttonFont(context.resources.getFont("font_dlg_small"))
    , m_click(context.resources.getSound("button_click"))
    , m_dialogs(context.resources)
    , m_mainBox(m_dialogs, *this, context.timer)
    , m_resetBox(m_dialogs, *this, context.timer)
    , m_left(context.canvas.width() / 2 - kWidth / 2)
    , m_top(context.canvas.height() / 2 - kHeight / 2) {
    buildMainBox();
    buildResetBox();
}

void HighScoreScreen::buildMainBox() {
    ksResources& resources = m_context.resources;
    DialogSpec& layout = m_mainBox.layout();
    layout = centredDialog(m_context.canvas, m_context.dialogVeil, kWidth, kHeight);
    layout.titleFont = m_headFont;
    layout.buttonFont = m_buttonFont;
    layout.title = "HIGH SCORES";
    // The arrows' centres are relative to the dialog, but were worked out from its place on
    // the screen; the art sits where these land.
    addPictureButton(layout, kNextPageId, resources.getImage("snext_button"),
                     resources.getImage("snext_button_over"), {m_left + kWidth - 110, m_top + 70});
    addPictureButton(layout, kPreviousPageId, resources.getImage("sprev_button"),
                     resources.getImage("sprev_button_over"), {m_left + 10, m_top + 70});
    addButton(layout, kResetId, "RESET", {kWidth / 3 - 15, kHeight - 50, 120, 40});
    addButton(layout, kCloseId, "CLOSE", {2 * kWidth / 3 + 15, kHeight - 50, 120, 40});
    layout.closeId = kCloseId;
    layout.defaultId = kCloseId;
}

void HighScoreScreen::buildResetBox() {
    DialogSpec& layout = m_resetBox.layout();
    layout = centredDialog(m_context.canvas, m_context.dialogVeil, 340, 200);
    layout.titleFont = m_headFont;
    layout.messageFont = m_textFont;
    layout.buttonFont = m_textFont;
    layout.title = "Reset Highscores?";
    layout.message = "Are you sure?";
    addButton(layout, kYesId, "YES", {113, 150, 100, 40});
    addButton(layout, kNoId, "NO", {226, 150, 100, 40});
}

void HighScoreScreen::enter() {
    m_page = kClassicPage;
    m_mainBox.open();
    m_opacity = 0.0f;
}

bool HighScoreScreen::update() {
    m_input.poll();
    if (m_resetBox.isOpen() && !updateResetBox()) {
        return false;
    }
    m_mainBox.update();
    m_opacity = m_mainBox.getOpacity();
    drawPage();
    if (m_input.wasTyped(kEnterKey) || m_input.wasTyped(kSpaceKey)) {
        m_dialogs.pressFromKeys(kCloseId);
    }
    const int32_t pressed = m_dialogs.getPressedId();
    if (pressed >= 0) {
        m_click->play();
    }
    if (m_mainBox.getResult() == kCloseId) {
        m_mainBox.close();
        m_context.screens.redrawNext();
        return true;
    }
    switch (pressed) {
    case kResetId:
        m_resetBox.open();
        break;
    case kPreviousPageId:
        m_page = previousPage(m_page);
        break;
    case kNextPageId:
        m_page = nextPage(m_page);
        break;
    default:
        break;
    }
    return false;
}

bool HighScoreScreen::updateResetBox() {
    if (m_dialogs.getPressedId() >= 0) {
        m_click->play();
    }
    m_resetBox.update();
    switch (m_resetBox.getResult()) {
    case kYesId:
        m_resetBox.close();
        resetPage();
        return true;
    case kNoId:
        m_resetBox.close();
        return true;
    default:
        return false;
    }
}

void HighScoreScreen::resetPage() {
    m_context.highScores.clearList(m_page);
    m_context.highScores.save();
    if (GameStats* stats = m_context.stats[static_cast<std::size_t>(m_page)]) {
        stats->reset();
        stats->save();
    }
}

void HighScoreScreen::setFocusLost(bool lost) {
    if (lost) {
        m_context.sound.pauseMusic();
    } else {
        m_context.sound.resumeMusic();
    }
}

void HighScoreScreen::draw() {
    if (!m_resetBox.isOpen()) {
        drawPage();
    }
}

void HighScoreScreen::redraw() {
    m_dialogs.repaint();
    drawPage();
}

void HighScoreScreen::drawPage() {
    const HighScoreTable& scores = m_context.highScores;
    const GameStats* stats = m_context.stats[static_cast<std::size_t>(m_page)];
    const int centreX = m_left + kWidth / 2;
    const int rowHeight = m_textFont->getLineHeight();
    FontOpacity fadedText(*m_textFont, m_opacity);
    FontOpacity fadedHeadings(*m_headFont, m_opacity);

    m_headFont->drawText(m_page == kClassicPage ? "CLASSIC MODE" : "ACTION MODE", centreX, m_top + kHeadingY,
                         ALIGN_CENTER);
    for (int row = 0; row < scores.count(m_page); ++row) {
        const int y = m_top + kFirstRowY + row * rowHeight;
        m_textFont->drawText(scores.nameAt(m_page, row), m_left + kNameX, y, ALIGN_LEFT);
        m_textFont->drawNumber(scores.scoreAt(m_page, row), m_left + kScoreRight, y, ALIGN_RIGHT);
    }

    // The statistics keep their place however full the list is.
    const int statisticsY = m_top + kFirstRowY + kRows * rowHeight + 5;
    m_headFont->drawText("Game Statistics", centreX, statisticsY, ALIGN_CENTER);
    if (stats == nullptr) {
        return;
    }
    char line[64];
    int y = statisticsY + m_headFont->getLineHeight() + 5;
    std::snprintf(line, sizeof line, "Winning Streak   %d", stats->bestStreak());
    m_textFont->drawText(line, centreX, y, ALIGN_CENTER);
    y += rowHeight;
    std::snprintf(line, sizeof line, m_page == kClassicPage ? "Games Won   %d" : "Rounds Won   %d",
                  stats->gamesWon());
    m_textFont->drawText(line, centreX, y, ALIGN_CENTER);
    y += rowHeight;
    std::snprintf(line, sizeof line, "Biggest Group   %d", stats->biggestGroup());
    m_textFont->drawText(line, centreX, y, ALIGN_CENTER);
}
