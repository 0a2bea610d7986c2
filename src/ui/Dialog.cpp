// Dialog.cpp: one open dialog's frames: fading, drawing the live parts and answering input.
#include "Dialog.h"

#include "DialogLayout.h"
#include "DialogTemplates.h"
#include "WorkArea.h"
#include "engine/core/WakeRequests.h"
#include "engine/input/ksInputState.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"

#include <algorithm>
#include <utility>

namespace {

ScreenRect movedBy(ScreenRect r, int dx, int dy) {
    r.setPosition(r.left + dx, r.top + dy);
    return r;
}

} // namespace

void Dialog::setUnderlay(const ScreenRect& rect, const ksImage* image) {
    m_underlayRect = rect;
    m_underlayImage = image;
}

void Dialog::captureScreen(ScreenPixels before, ScreenPixels behind) {
    const std::size_t pixels = static_cast<std::size_t>(m_canvas.width()) * m_canvas.height();
    m_screenBefore = std::move(before);
    m_screenBehind = std::move(behind);
    m_screenBefore.resize(pixels);
    m_screenBehind.resize(pixels);
    m_canvas.copyBackgroundOut(m_screenBefore);
    m_canvas.copyFrameToBackground();
    m_canvas.copyBackgroundOut(m_screenBehind);
    m_entry.setText({});
    m_closingId = -1;
    m_resultId = -1;
}

void Dialog::runFrame(float seconds, const ksInput& input) {
    if (m_phase == Phase::Finished) {
        return;
    }
    m_pressedId = -1;
    m_overControl = false;
    m_hoveredIndex = -1;
    advanceFade(seconds);
    if (m_phase != Phase::Finished) {
        CanvasScope scope(m_canvas, ksCanvas::Buffer::Frame);
        if (m_phase != Phase::Shown) {
            drawVeilAndImage(m_opacity);
        } else if (!m_inBackground) {
            showInBackground();
        }
        m_caret.advance(seconds);
        if (m_phase != Phase::Shown) {
            WakeRequests::nextFrame(); // a fade may leave a frame unchanged
        } else if (m_spec.entryCount > 0) {
            WakeRequests::after(m_caret.secondsToChange());
        }
        drawControlStates();
        if (m_phase == Phase::Shown && m_spec.entryCount > 0) {
            handleKeys(input);
        }
        if (m_phase == Phase::Shown) {
            int start = 0;
            for (int i = 0; i < m_spec.buttonCount; ++i) {
                start = m_spec.buttonIds[i] == m_spec.defaultId ? i : start;
            }
            if (m_focus.step(input, focusItemCount(), start)) {
                WakeRequests::nextFrame();
            }
            handleSliders(input);
            handleCheckboxes(input);
            handleTabs(input);
            handleButtons(input, true);
            if (m_phase == Phase::Shown && m_focus.isShown()) {
                drawFocusRing(m_canvas,
                              movedBy(focusItemRect(m_focus.focused()), m_screenRect.left, m_screenRect.top));
            }
        }
    }
    m_keyPressedId = -1;
}

void Dialog::repaint(const ksInput& input) {
    advanceFade(0.0f);
    if (m_phase == Phase::Finished) {
        return;
    }
    m_canvas.copyIntoBackground(m_screenBehind);
    if (m_phase == Phase::Shown) {
        CanvasScope background(m_canvas, ksCanvas::Buffer::Background);
        drawVeilAndImage(1.0f);
        m_inBackground = true;
    }
    m_canvas.copyBackgroundToFrame();
    markWholeScreen();

    CanvasScope scope(m_canvas, ksCanvas::Buffer::Frame);
    if (m_phase != Phase::Shown) {
        drawVeilAndImage(m_opacity);
    }
    drawControlStates();
    if (m_phase == Phase::Shown) {
        m_overControl = false;
        m_hoveredIndex = -1;
        handleButtons(input, false);
    }
}

void Dialog::restoreScreen() {
    if (m_screenBefore.empty()) {
        return;
    }
    m_canvas.copyIntoBackground(m_screenBefore);
    m_canvas.copyBackgroundToFrame();
    markWholeScreen();
}

void Dialog::releaseScreen(std::vector<ScreenPixels>& pool) {
    for (ScreenPixels* pixels : {&m_screenBefore, &m_screenBehind}) {
        if (!pixels->empty()) {
            pool.push_back(std::move(*pixels));
            pixels->clear();
        }
    }
}

void Dialog::advanceFade(float seconds) {
    if (m_phase == Phase::FadingIn) {
        m_opacity += seconds * m_fadeSpeed;
        if (m_opacity >= 1.0f) {
            m_opacity = 1.0f;
            m_phase = Phase::Shown;
        }
    } else if (m_phase == Phase::FadingOut) {
        m_opacity -= seconds * m_fadeSpeed;
        if (m_opacity <= 0.0f) {
            restoreScreen();
            m_resultId = m_closingId;
            m_phase = Phase::Finished;
        }
    }
}

void Dialog::drawVeilAndImage(float opacity) const {
    const float veil = opacity * m_spec.dimLevel;
    if (m_underlayImage != nullptr) {
        m_underlayImage->drawFaded(m_underlayRect.left, m_underlayRect.top, veil);
    } else {
        m_canvas.fillRectFaded(m_underlayRect.left, m_underlayRect.top, m_underlayRect.width,
                               m_underlayRect.height, 0, 0, 0, veil);
    }
    m_image.drawFaded(m_screenRect.left, m_screenRect.top, opacity);
}

void Dialog::showInBackground() {
    {
        CanvasScope background(m_canvas, ksCanvas::Buffer::Background);
        drawVeilAndImage(1.0f);
    }
    drawVeilAndImage(1.0f);
    m_inBackground = true;
}

void Dialog::markWholeScreen() const {
    m_canvas.addDirty(0, 0, m_canvas.width(), m_canvas.height());
}

int Dialog::knobWidth() const {
    const ksImage* knob = m_templates.knob;
    return knob != nullptr ? knob->getWidth() / m_spec.knobFrames : 0;
}

ScreenRect Dialog::sliderGrip(int index) const {
    // Half a knob past either end of the track, and as tall as the knob where the knob is taller
    // than the track, so the knob can be taken wherever it is drawn.
    const ScreenRect& track = m_sliderTracks[index];
    const int halfKnob = knobWidth() / 2;
    const int knobHeight = m_templates.knob != nullptr ? m_templates.knob->getHeight() : 0;
    const int knobTop = track.top + track.height / 2 - knobHeight / 2;
    const int top = std::min(track.top, knobTop);
    const int bottom = std::max(track.bottom, knobTop + knobHeight - 1);
    return movedBy(ScreenRect::fromCorners(track.left - halfKnob, top, track.right + halfKnob, bottom),
                   m_screenRect.left, m_screenRect.top);
}

void Dialog::drawControlStates() {
    const int x0 = m_screenRect.left, y0 = m_screenRect.top;
    if (const ksImage* boxes = m_templates.checkbox) {
        for (int i = 0; i < m_spec.checkboxCount; ++i) {
            const int32_t state = m_checkboxStates[i];
            if (state == kCheckboxTicked || state == kCheckboxFixed) {
                const ScreenRect& r = m_checkboxRects[i];
                boxes->drawPartFaded(x0 + r.left, y0 + r.top, state * r.width, 0, r.width, r.height,
                                     m_opacity);
            }
        }
    }
    if (const ksImage* knob = m_templates.knob) {
        const int width = knobWidth(), height = knob->getHeight();
        for (int i = 0; i < m_spec.sliderCount; ++i) {
            const ScreenRect& track = m_sliderTracks[i];
            const int centreX = x0 + track.left + static_cast<int>(m_sliderValues[i]);
            const int centreY = y0 + track.top + track.height / 2;
            knob->drawPartFaded(centreX - width / 2, centreY - height / 2, (i % m_spec.knobFrames) * width, 0,
                                width, height, m_opacity);
        }
    }
    if (m_spec.entryCount > 0) {
        drawEntryText(m_phase != Phase::FadingOut && m_caret.isVisible());
    }
}

void Dialog::drawEntryText(bool withCaret) const {
    ksFont* font = m_spec.entryFont;
    if (font == nullptr) {
        return;
    }
    const int last = m_spec.entryCount - 1;
    const ScreenRect field = movedBy(m_entryRects[last], m_screenRect.left, m_screenRect.top);
    const ScreenRect clip = m_canvas.clipRect();
    m_canvas.setClipRect(field.intersection(clip));
    const int centreX = m_screenRect.left + m_spec.entryRects[last].centreX;
    const int centreY = m_screenRect.top + m_spec.entryRects[last].centreY;
    font->setOpacity(m_opacity);
    font->drawText(m_entry.text(), centreX, centreY, ALIGN_CENTER);
    if (withCaret) {
        const float textEnd =
            static_cast<float>(centreX) + static_cast<float>(font->getTextWidth(m_entry.text())) * 0.5f;
        font->drawText("_", static_cast<int>(textEnd) + 5, centreY, ALIGN_LEFT);
    }
    font->setOpacity(1.0f);
    m_canvas.setClipRect(clip);
}

void Dialog::handleKeys(const ksInput& input) {
    // Without a default button Enter has no id to close with, so it does nothing.
    if (m_entry.applyTyped(input, m_spec.entryFont) && m_spec.defaultId != DialogSpec::kNoId) {
        startClosing(m_spec.defaultId);
    }
}

void Dialog::handleSliders(const ksInput& input) {
    const bool down = input.isHeld();
    int dragged = -1;
    for (int i = 0; i < m_spec.sliderCount; ++i) {
        if (m_sliderDragged[i]) {
            dragged = i;
        }
    }
    for (int i = 0; i < m_spec.sliderCount; ++i) {
        const bool takes =
            m_sliderDragged[i] || (dragged < 0 && sliderGrip(i).contains(input.getX(), input.getY()));
        if (takes && down) {
            const ScreenRect& track = m_sliderTracks[i];
            const int offset = input.getX() - (m_screenRect.left + track.left);
            m_sliderValues[i] = static_cast<float>(std::clamp(offset, 0, std::max(track.width, 0)));
            m_sliderDragged[i] = true;
            dragged = i;
        }
    }
    if (!down) {
        m_sliderDragged.fill(false);
    }
}

void Dialog::handleCheckboxes(const ksInput& input) {
    if (!input.isReleased()) {
        return;
    }
    for (int i = 0; i < m_spec.checkboxCount; ++i) {
        const ScreenRect box = movedBy(m_checkboxRects[i], m_screenRect.left, m_screenRect.top);
        int32_t& state = m_checkboxStates[i];
        if (state != kCheckboxFixed && box.contains(input.getX(), input.getY())) {
            state = state == kCheckboxTicked ? kCheckboxEmpty : kCheckboxTicked;
        }
    }
}

void Dialog::handleTabs(const ksInput& input) {
    if (m_keyTab >= 0 && m_keyTab < m_tabs.count()) {
        selectTab(std::exchange(m_keyTab, -1));
        return;
    }
    if (m_tabs.count() == 0 || !input.isReleased()) {
        return;
    }
    const int tab = m_tabs.tabAt(input.getX() - m_screenRect.left, input.getY() - m_screenRect.top);
    if (tab < 0) {
        return;
    }
    selectTab(tab);
}

void Dialog::selectTab(int tab) {
    m_selectedTab = tab;
    compose();
    {
        CanvasScope background(m_canvas, ksCanvas::Buffer::Background);
        m_image.draw(m_screenRect.left, m_screenRect.top);
    }
    m_image.draw(m_screenRect.left, m_screenRect.top);
    m_pressedId = kTabIdBase + tab;
}

void Dialog::handleButtons(const ksInput& input, bool act) {
    const bool clicked = input.isReleased();
    for (int i = 0; i < m_spec.buttonCount; ++i) {
        const Button& button = m_buttons[i];
        const int32_t id = m_spec.buttonIds[i];
        const bool keyed = act && m_keyPressedId >= 0 && id == m_keyPressedId;
        const ScreenRect rect = movedBy(button.rect, m_screenRect.left, m_screenRect.top);
        const bool active = rect.contains(input.getX(), input.getY()) || keyed || m_focus.focused() == i;
        if (!active) {
            continue;
        }
        m_overControl = true;
        m_hoveredIndex = i;
        drawHover(i);
        if (act && (clicked || keyed)) {
            m_pressedId = id;
            if (m_spec.closeId == DialogSpec::kNoId || id == m_spec.closeId) {
                startClosing(id);
                return;
            }
        }
    }
}

void Dialog::drawHover(int index) const {
    const Button& button = m_buttons[index];
    const int x0 = m_screenRect.left, y0 = m_screenRect.top;
    if (!button.hasCaption) {
        if (const ksImage* picture = m_spec.buttonHoverPictures[index]) {
            picture->draw(x0 + button.rect.left, y0 + button.rect.top);
        }
        return;
    }
    if (button.hoverFace) {
        button.hoverFace->draw(x0 + button.hoverFaceRect.left, y0 + button.hoverFaceRect.top);
    }
    if (m_spec.buttonFont != nullptr) {
        const CentredRect& at = m_spec.buttonRects[index];
        m_spec.buttonFont->drawText(m_spec.buttonCaptions[index], x0 + at.centreX,
                                    y0 + at.centreY + dialoglayout::kCaptionDrop, ALIGN_CENTER);
    }
}

void Dialog::pressButton(int32_t id) {
    m_keyPressedId = id;
    WakeRequests::nextFrame();
}

void Dialog::pressFromKeys(int32_t id) {
    if (!m_focus.isShown()) {
        pressButton(id);
        return;
    }
    pressFocused();
    WakeRequests::nextFrame();
}

int Dialog::focusItemCount() const {
    return m_spec.buttonCount + m_spec.checkboxCount + m_tabs.count();
}

ScreenRect Dialog::focusItemRect(int item) const {
    if (item < m_spec.buttonCount) {
        return m_buttons[item].rect;
    }
    item -= m_spec.buttonCount;
    if (item < m_spec.checkboxCount) {
        return m_checkboxRects[item];
    }
    return m_tabs.tabRect(item - m_spec.checkboxCount);
}

void Dialog::pressFocused() {
    int item = m_focus.focused();
    if (item < m_spec.buttonCount) {
        m_keyPressedId = m_spec.buttonIds[item];
        return;
    }
    item -= m_spec.buttonCount;
    if (item < m_spec.checkboxCount) {
        int32_t& state = m_checkboxStates[item];
        if (state != kCheckboxFixed) {
            state = state == kCheckboxTicked ? kCheckboxEmpty : kCheckboxTicked;
        }
        return;
    }
    m_keyTab = item - m_spec.checkboxCount; // selected in the next frame, with its picture
}

void Dialog::startClosing(int32_t id) {
    WakeRequests::nextFrame();
    m_opacity = 1.0f;
    m_phase = Phase::FadingOut;
    m_closingId = id;
    m_canvas.copyIntoBackground(m_screenBehind);
    markWholeScreen();
}

int32_t Dialog::checkboxState(int index) const {
    return index >= 0 && index < m_spec.checkboxCount ? m_checkboxStates[index] : -1;
}

void Dialog::setCheckboxState(int index, int32_t state) {
    if (index >= 0 && index < m_spec.checkboxCount) {
        m_checkboxStates[index] = state;
    }
}

float Dialog::sliderValue(int index) const {
    if (index < 0 || index >= m_spec.sliderCount || m_sliderTracks[index].width <= 0) {
        return 0.0f;
    }
    return m_sliderValues[index] / static_cast<float>(m_sliderTracks[index].width);
}

void Dialog::setSliderValue(int index, float fraction) {
    if (index >= 0 && index < m_spec.sliderCount) {
        // Written so that NaN also lands on 0.
        const float kept = fraction > 0.0f ? std::min(fraction, 1.0f) : 0.0f;
        m_sliderValues[index] = kept * static_cast<float>(std::max(m_sliderTracks[index].width, 0));
    }
}
