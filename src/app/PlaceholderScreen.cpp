// PlaceholderScreen.cpp: the screen shown for a mode this version does not have yet.
#include "PlaceholderScreen.h"

#include "engine/resources/ksResources.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"
#include "ui/NineSlice.h"

namespace {

const char* modeName(int id) {
    switch (id) {
    case kPuzzleScreen:
        return "Puzzle";
    case kActionScreen:
        return "Action";
    default:
        return "Zibbet";
    }
}

} // namespace

PlaceholderScreen::PlaceholderScreen(GameContext& context, int id)
    : m_context(context)
    , m_id(id) {}

void PlaceholderScreen::enter() {
    m_input.poll();
    redraw();
}

void PlaceholderScreen::redraw() {
    ksCanvas& canvas = m_context.canvas;
    ksResources& resources = m_context.resources;
    canvas.selectBackground();
    canvas.fillRect(0, 0, canvas.width(), canvas.height(), 0xFF000000);
    resources.getImage("title")->drawFaded(0, 0, 0.35f);

    const ScreenRect card = ScreenRect::fromPositionSize(150, 160, 340, 160);
    nineslice::drawTiled(resources.getImage("dialog_box_template"), card);
    resources.getFont("font_dlg_head")->drawText(modeName(m_id), 320, card.top + 36, ALIGN_CENTER);
    const ksFont* text = resources.getFont("font_dlg_med");
    text->drawText("This mode is not in this version yet.", 320, card.top + 80, ALIGN_CENTER);
    text->drawText("Click to go back.", 320, card.top + 112, ALIGN_CENTER);

    canvas.selectFrame();
    canvas.copyBackgroundToFrame();
    canvas.addDirty(0, 0, canvas.width(), canvas.height());
}

bool PlaceholderScreen::update() {
    m_input.poll();
    return m_input.wasTyped(27) || m_input.isReleased();
}
