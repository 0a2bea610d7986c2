// DialogBox.cpp: a dialog a screen keeps for its whole life and opens when it needs it.
#include "DialogBox.h"

#include "DialogManager.h"
#include "GameScreen.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/input/TypedKeys.h"
#include "engine/input/ksInputState.h"
#include "engine/video/ksCanvas.h"

DialogBox::DialogBox(DialogManager& manager, GameScreen& owner, const ksTimer& timer)
    : m_manager(manager)
    , m_owner(owner)
    , m_timer(timer) {}

void DialogBox::open() {
    if (m_open) {
        return;
    }
    m_owner.draw();
    if (m_spec.canvas != nullptr) {
        m_spec.canvas->copyFrameToBackground();
    }
    if (!m_manager.addDialog(m_spec)) {
        return;
    }
    m_open = true;
    m_opacity = 0.0f;
    WakeRequests::nextFrame(); // the dialog's first frame draws it
    // A result read before the first update belongs to the last time the box was open.
    m_result = -1;
}

void DialogBox::close() {
    m_owner.redraw();
    m_manager.removeDone();
    m_open = false;
}

bool DialogBox::isButtonHovered(int index) const {
    return m_manager.isOverControl() && m_manager.getHoveredIndex() == index;
}

void DialogBox::update() {
    m_manager.update(static_cast<float>(m_timer.frameSeconds()));
    m_opacity = m_manager.getOpacity();
    m_result = m_manager.getResult();
    m_manager.removeDone();
}

int32_t DialogBox::runFrame(const ksInput& input, int32_t confirmId) {
    update();
    if (confirmId != DialogSpec::kNoId && (input.wasTyped(kEnterKey) || input.wasTyped(kSpaceKey))) {
        m_manager.pressFromKeys(confirmId);
    }
    return m_result;
}
