// DialogCompose.cpp: building a dialog: the layout of its controls and its composed pictures.
#include "Dialog.h"
#include "DialogLayout.h"
#include "DialogTemplates.h"
#include "NineSlice.h"
#include "WorkArea.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"

#include <algorithm>
#include <cmath>

namespace {

// Under the templates: what a dialog shows where its background template is missing.
constexpr uint32_t kBareDialog = 0xFF000000u;

constexpr int kRuleInset = 20;

} // namespace

Dialog::Dialog(const DialogSpec& layout, const DialogTemplates& templates)
    : m_spec(layout)
    , m_templates(templates)
    , m_canvas(*layout.canvas)
    , m_screenRect(ScreenRect::fromPositionSize(
          layout.centreX - layout.width / 2, layout.centreY - layout.height / 2, layout.width, layout.height))
    , m_image(*layout.canvas, layout.width, layout.height)
    , m_underlayRect(ScreenRect::fromPositionSize(0, 0, layout.canvas->width(), layout.canvas->height()))
    , m_opacity(layout.startOpacity)
    , m_fadeSpeed(std::fabs(layout.fadeSpeed))
    , m_checkboxStates(layout.checkboxStates) {
    for (ksFont* font :
         {m_spec.entryFont, m_spec.titleFont, m_spec.messageFont, m_spec.buttonFont, m_spec.tabFont}) {
        if (font != nullptr) {
            font->setOpacity(1.0f);
        }
    }
    layOut();
    m_tabs.build(m_spec, m_templates);
    compose();
    composeHoverFaces();
}

void Dialog::layOut() {
    using namespace dialoglayout;
    m_lowestControlTop = m_spec.height;
    for (int i = 0; i < m_spec.entryCount; ++i) {
        m_entryRects[i] = fromCentre(m_spec.entryRects[i]);
        m_lowestControlTop = std::min(m_lowestControlTop, m_entryRects[i].top);
    }
    for (int i = 0; i < m_spec.buttonCount; ++i) {
        Button& button = m_buttons[i];
        button.hasCaption = !m_spec.buttonCaptions[i].empty();
        if (button.hasCaption) {
            button.rect = captionButtonRect(m_spec.buttonRects[i]);
        } else {
            const ksImage* picture = m_spec.buttonPictures[i];
            button.rect = pictureButtonRect(m_spec.buttonRects[i], picture ? picture->getWidth() : 0,
                                            picture ? picture->getHeight() : 0);
        }
        m_lowestControlTop = std::min(m_lowestControlTop, button.rect.top);
    }
    const ksImage* boxes = m_templates.checkbox;
    const int boxWidth = nineslice::thirdOf(boxes), boxHeight = boxes ? boxes->getHeight() : 0;
    for (int i = 0; i < m_spec.checkboxCount; ++i) {
        const DialogPoint& at = m_spec.checkboxPositions[i];
        m_checkboxRects[i] = fromCentre(CentredRect{at.x, at.y, boxWidth, boxHeight});
    }
    for (int i = 0; i < m_spec.sliderCount; ++i) {
        m_sliderTracks[i] = fromCorner(m_spec.sliderRects[i]);
    }
}

void Dialog::compose() {
    using namespace dialoglayout;
    const int width = m_spec.width, height = m_spec.height;
    WorkArea area(m_canvas, width, height);
    area.clear(kBareDialog);
    nineslice::drawTiled(m_templates.dialogBox, ScreenRect::fromPositionSize(0, 0, width, height));
    if (const ksImage* picture = m_spec.backgroundPicture) {
        picture->draw((width - picture->getWidth()) / 2, (height - picture->getHeight()) / 2);
    }

    const ksFont* titleFont = m_spec.titleFont;
    if (titleFont != nullptr && !m_spec.hideTexts) {
        titleFont->drawText(m_spec.title, width / 2, kTitleY, ALIGN_CENTER);
        const int ruleY = titleRuleY(titleFont->getLineHeight());
        const int ruleLength = width - 2 * kRuleInset;
        if (ruleLength >= 1) {
            m_canvas.drawLine(kRuleInset, ruleY, kRuleInset + ruleLength - 1, ruleY, 255, 204, 0);
            m_canvas.drawLine(kRuleInset + 1, ruleY + 1, kRuleInset + ruleLength, ruleY + 1, 0, 0, 0);
        }
    }

    for (int i = 0; i < m_spec.entryCount; ++i) {
        nineslice::drawStretched(m_templates.entry, nineslice::thirdOf(m_templates.entry), m_entryRects[i]);
    }

    for (int i = 0; i < m_spec.buttonCount; ++i) {
        const Button& button = m_buttons[i];
        if (!button.hasCaption) {
            if (const ksImage* picture = m_spec.buttonPictures[i]) {
                picture->draw(button.rect.left, button.rect.top);
            }
            continue;
        }
        if (m_spec.buttonIds[i] == m_spec.defaultId) {
            const ScreenRect& r = button.rect;
            const int m = kDefaultOutlineMargin;
            nineslice::drawStretched(
                m_templates.defaultOutline, nineslice::thirdOf(m_templates.defaultOutline),
                ScreenRect::fromPositionSize(r.left - m, r.top - m, r.width + 2 * m, r.height + 2 * m));
        }
        nineslice::drawStretched(m_templates.button, nineslice::thirdOf(m_templates.button), button.rect);
        if (m_spec.buttonFont != nullptr) {
            const CentredRect& at = m_spec.buttonRects[i];
            m_spec.buttonFont->drawText(m_spec.buttonCaptions[i], at.centreX, at.centreY + kCaptionDrop,
                                        ALIGN_CENTER);
        }
    }

    m_tabs.draw(m_spec, 0, 0, m_selectedTab);

    if (const ksImage* boxes = m_templates.checkbox) {
        for (int i = 0; i < m_spec.checkboxCount; ++i) {
            const ScreenRect& r = m_checkboxRects[i];
            boxes->drawPart(r.left, r.top, 0, 0, r.width, r.height);
        }
    }
    for (int i = 0; i < m_spec.sliderCount; ++i) {
        nineslice::drawStretched(m_templates.slider, nineslice::halfOf(m_templates.slider),
                                 m_sliderTracks[i]);
    }

    const ksFont* messageFont = m_spec.messageFont;
    if (messageFont != nullptr && titleFont != nullptr && !m_spec.hideTexts) {
        const int lines = countLines(m_spec.message);
        const int lineHeight = messageFont->getLineHeight();
        const int firstY =
            firstMessageLineY(titleFont->getLineHeight(), lineHeight, m_lowestControlTop, lines);
        for (int i = 0; i < lines; ++i) {
            messageFont->drawText(lineAt(m_spec.message, i), width / 2, firstY + i * lineHeight,
                                  ALIGN_CENTER);
        }
    }

    area.copyTo(m_image, 0, 0);
    cutRoundCorners();
}

void Dialog::cutRoundCorners() {
    // The work area has no alpha, so the corners come out black where the template is clear; the
    // template's own corners give them back their shape (its edges and inside are opaque).
    const ksImage* box = m_templates.dialogBox;
    const int corner = nineslice::thirdOf(box);
    if (box == nullptr || corner < 1 || !box->hasAlpha()) {
        return;
    }
    const int right = m_spec.width - corner, bottom = m_spec.height - corner;
    const int far = 2 * corner;
    // Some drawing leaves alpha bytes of 0 behind (lines); only the corners may show through.
    m_image.setAlpha(255);
    m_image.copyAlphaChannelFrom(*box, 0, 0, corner, corner, 0, 0);
    m_image.copyAlphaChannelFrom(*box, far, 0, corner, corner, right, 0);
    m_image.copyAlphaChannelFrom(*box, 0, far, corner, corner, 0, bottom);
    m_image.copyAlphaChannelFrom(*box, far, far, corner, corner, right, bottom);
}

void Dialog::composeHoverFaces() {
    const ksImage* over = m_templates.buttonOver;
    if (over == nullptr || over->isEmpty()) {
        return;
    }
    WorkArea area(m_canvas, m_spec.width, m_spec.height);
    const ScreenRect inside = ScreenRect::fromPositionSize(0, 0, m_spec.width, m_spec.height);
    for (int i = 0; i < m_spec.buttonCount; ++i) {
        Button& button = m_buttons[i];
        const ScreenRect face = button.rect.intersection(inside);
        if (!button.hasCaption || face.isEmpty()) {
            continue;
        }
        // The face goes over the dialog's own pixels, so a template with soft edges blends with
        // the dialog as it would on the screen.
        m_image.drawPart(face.left, face.top, face.left, face.top, face.width, face.height);
        nineslice::drawStretched(over, nineslice::thirdOf(over), button.rect);
        button.hoverFace.emplace(m_canvas, face.width, face.height);
        button.hoverFaceRect = face;
        area.copyTo(*button.hoverFace, face.left, face.top);
    }
}
