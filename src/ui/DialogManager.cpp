// DialogManager.cpp: the stack of open dialogs of one screen.
#include "DialogManager.h"

#include "DialogLayout.h"
#include "engine/core/ksLog.h"

#include <algorithm>

namespace {

// Deeper stacks than this are possible; the list only grows past it.
constexpr std::size_t kExpectedDepth = 4;

} // namespace

DialogManager::DialogManager(ksResources& resources)
    : DialogManager(DialogTemplates::load(resources)) {}

DialogManager::DialogManager(const DialogTemplates& templates)
    : m_templates(templates) {
    m_dialogs.reserve(kExpectedDepth);
    m_screenBuffers.reserve(2 * kExpectedDepth);
}

bool DialogManager::addDialog(const DialogSpec& layout) {
    if (layout.canvas == nullptr) {
        trace("DialogManager::addDialog - Refused a dialog without a canvas");
        return false;
    }
    if (!dialoglayout::sizeFits(layout)) {
        trace("DialogManager::addDialog - Refused a dialog of %d x %d", layout.width, layout.height);
        return false;
    }
    DialogSpec accepted = layout;
    if (dialoglayout::clampCounts(accepted)) {
        trace("DialogManager::addDialog - Counts outside 0 to %d were cut to fit", DialogSpec::kMaxItems);
    }
    auto dialog = std::make_unique<Dialog>(accepted, m_templates);
    if (const Dialog* below = top()) {
        dialog->setUnderlay(below->screenRect(), &below->underlayImage());
    }
    Dialog::ScreenPixels before = takeScreenBuffer();
    dialog->captureScreen(std::move(before), takeScreenBuffer());
    m_dialogs.push_back(OpenDialog{std::move(dialog), false});
    return true;
}

void DialogManager::update(float seconds) {
    m_result = -1;
    m_input.poll();
    // Only the top dialog runs; one that finished but was not removed yet no longer counts.
    auto running =
        std::find_if(m_dialogs.rbegin(), m_dialogs.rend(), [](const OpenDialog& open) { return !open.done; });
    if (running == m_dialogs.rend()) {
        return;
    }
    running->dialog->runFrame(seconds, m_input);
    if (running->dialog->isFinished()) {
        m_result = running->dialog->result();
        running->done = true;
    }
}

void DialogManager::removeDone() {
    for (OpenDialog& open : m_dialogs) {
        if (open.done) {
            retire(open);
        }
    }
    std::erase_if(m_dialogs, [](const OpenDialog& open) { return open.done; });
}

Dialog::ScreenPixels DialogManager::takeScreenBuffer() {
    if (m_screenBuffers.empty()) {
        return {};
    }
    Dialog::ScreenPixels pixels = std::move(m_screenBuffers.back());
    m_screenBuffers.pop_back();
    return pixels;
}

void DialogManager::retire(OpenDialog& open) {
    open.dialog->releaseScreen(m_screenBuffers);
}

Dialog* DialogManager::topDialog() {
    return m_dialogs.empty() ? nullptr : m_dialogs.back().dialog.get();
}

const Dialog* DialogManager::top() const {
    return m_dialogs.empty() ? nullptr : m_dialogs.back().dialog.get();
}

float DialogManager::getOpacity() const {
    return top() ? top()->opacity() : 0.0f;
}

int32_t DialogManager::getPressedId() const {
    return top() ? top()->pressedId() : -1;
}

bool DialogManager::isOverControl() const {
    return top() ? top()->isOverControl() : false;
}

int DialogManager::getHoveredIndex() const {
    return top() ? top()->hoveredIndex() : -1;
}

void DialogManager::pressButton(int32_t id) {
    if (Dialog* dialog = topDialog()) {
        dialog->pressButton(id);
    }
}

void DialogManager::pressFromKeys(int32_t id) {
    if (Dialog* dialog = topDialog()) {
        dialog->pressFromKeys(id);
    }
}

std::string_view DialogManager::getEntryText() const {
    return top() ? top()->entryText() : std::string_view{};
}

void DialogManager::setEntryText(std::string_view text) {
    if (Dialog* dialog = topDialog()) {
        dialog->setEntryText(text);
    }
}

int32_t DialogManager::getCheckboxState(int index) const {
    return top() ? top()->checkboxState(index) : -1;
}

void DialogManager::setCheckboxState(int index, int32_t state) {
    if (Dialog* dialog = topDialog()) {
        dialog->setCheckboxState(index, state);
    }
}

float DialogManager::getSliderValue(int index) const {
    return top() ? top()->sliderValue(index) : 0.0f;
}

void DialogManager::setSliderValue(int index, float fraction) {
    if (Dialog* dialog = topDialog()) {
        dialog->setSliderValue(index, fraction);
    }
}

void DialogManager::repaint() {
    if (Dialog* dialog = topDialog()) {
        m_input.poll();
        dialog->repaint(m_input);
    }
}

void DialogManager::closeAll() {
    m_dialogs.clear();
}

void DialogManager::removeTop() {
    if (Dialog* dialog = topDialog()) {
        dialog->restoreScreen();
        retire(m_dialogs.back());
        m_dialogs.pop_back();
    }
}
