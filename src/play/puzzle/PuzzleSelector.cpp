// PuzzleSelector.cpp: the dialog in which the player picks a puzzle, six pictures to a page.
#include "PuzzleSelector.h"

#include "engine/core/WakeRequests.h"
#include "engine/input/ksInputState.h"
#include "engine/resources/ksResources.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "game/puzzle/PuzzleCatalog.h"
#include "stage/CuePlayer.h"
#include "ui/DialogManager.h"
#include "ui/GameContext.h"

#include <algorithm>

namespace {

// Dialog-relative places of the controls.
constexpr CentredRect kCancelRect{242, 433, 132, 40};
constexpr DialogPoint kPreviousPoint{36, 207};
constexpr DialogPoint kNextPoint{448, 207};
constexpr std::array<int, 3> kSlotColumns{120, 245, 370};
constexpr std::array<int, 2> kSlotRows{155, 261};
constexpr int kSlotWidth = 108;
constexpr int kSlotHeight = 98;

// The picture sits one pixel inside its button: (button x + 25, button y - 48) on the screen
// with the dialog centred.
constexpr int kPictureOffsetX = 25;
constexpr int kPictureOffsetY = -48;
constexpr int kLift = 2;
constexpr float kRestingOpacity = 0.8f;
constexpr int kLockedOffsetX = 24;
constexpr int kLockedOffsetY = 14;

// Texts, centred on the screen.
constexpr int kTextX = 320;
constexpr int kPromptY = 72;
constexpr int kPageTitleY = 94;
constexpr int kNumberY = 322;
constexpr int kTitleY = 344;
constexpr int kHistoryY = 375;
constexpr int kNextUnlockY = 398;

int slotColumnX(int slot) {
    return kSlotColumns[static_cast<std::size_t>(slot % 3)];
}
int slotRowY(int slot) {
    return kSlotRows[static_cast<std::size_t>(slot / 3)];
}

} // namespace

PuzzleSelector::PuzzleSelector(GameContext& context, DialogManager& dialogs, GameScreen& owner,
                               const PuzzleCatalog& catalog, CuePlayer& cues)
    : m_context(context)
    , m_catalog(catalog)
    , m_cues(cues)
    , m_dialogs(dialogs)
    , m_box(dialogs, owner, context.timer)
    , m_thumbnails(context.canvas, context.resources)
    , m_font(context.resources.getFont("font_dlg_med"))
    , m_background(context.resources.getImage("puzzle_selector"))
    , m_locked(context.resources.getImage("puzzle_locked"))
    , m_passed(context.resources.getImage("puzzle_passed"))
    , m_slotFace(context.canvas, kSlotWidth, kSlotHeight) {
    m_slotFace.setAlpha(0);
    buildLayout();
}

void PuzzleSelector::buildLayout() {
    DialogSpec layout = centredDialog(m_context.canvas, m_context.dialogVeil, kWidth, kHeight);
    ksFont* titleFont = m_context.resources.getFont("font_dlg_head");
    layout.titleFont = titleFont;
    layout.messageFont = m_font;
    layout.buttonFont = m_font;
    layout.entryFont = m_font;
    layout.title = "Choose a Puzzle";
    layout.backgroundPicture = m_background;
    addButton(layout, kCloseId, "CANCEL", kCancelRect);
    addPictureButton(layout, kPreviousPageId, m_context.resources.getImage("sprev_button"),
                     m_context.resources.getImage("sprev_button_over"), kPreviousPoint);
    addPictureButton(layout, kNextPageId, m_context.resources.getImage("snext_button"),
                     m_context.resources.getImage("snext_button_over"), kNextPoint);
    for (int slot = 0; slot < kSlots; ++slot) {
        addPictureButton(layout, kFirstPictureId + slot, &m_slotFace, &m_slotFace,
                         {slotColumnX(slot), slotRowY(slot)});
    }
    layout.closeId = kCloseId;
    m_box.layout() = layout;
}

int PuzzleSelector::dialogLeft() const {
    return m_box.layout().centreX - kWidth / 2;
}
int PuzzleSelector::dialogTop() const {
    return m_box.layout().centreY - kHeight / 2;
}
int PuzzleSelector::pictureX(int slot) const {
    return dialogLeft() + slotColumnX(slot) - kSlotWidth / 2 + 1;
}
int PuzzleSelector::pictureY(int slot) const {
    return dialogTop() + slotRowY(slot) - kSlotHeight / 2 + 1;
}

void PuzzleSelector::open(const PlayerProfile& profile, const ksRegistry& settings, bool openedOnEntry) {
    const int unlockAfter = settings.getInt("puzzlesUnlockAfter");
    m_progress.unlockedAtOpen = profile.countUnlockedPuzzles();
    m_progress.unlockAfter = unlockAfter;
    m_progress.toNextUnlock = selector_page::toNextUnlock(profile.countSolvedPuzzles(), unlockAfter);
    m_nextUnlockLine =
        selector_page::nextUnlock(m_progress.unlockedAtOpen, m_progress.toNextUnlock, unlockAfter);
    m_openedOnEntry = openedOnEntry;
    m_cancelled = true;
    m_chosen = -1;
    m_closing = false;
    m_pointedSlot = -1;
    const int current = std::clamp(profile.currentPuzzle(), 0, selector_page::kPuzzles - 1);
    m_hovered = current;
    m_linesFor = -2;
    showPage(selector_page::firstOf(current));
}

void PuzzleSelector::showPage(int first) {
    m_first = first;
    m_pageTitle = selector_page::pageTitle(first);
    for (int slot = 0; slot < kSlots; ++slot) {
        m_thumbnails.render(slot, m_catalog.level(first + slot));
    }
}

bool PuzzleSelector::previousPage() {
    if (!selector_page::hasPrevious(m_first)) {
        return false;
    }
    showPage(m_first - kSlots);
    return true;
}

bool PuzzleSelector::nextPage() {
    if (!selector_page::hasNext(m_first)) {
        return false;
    }
    showPage(m_first + kSlots);
    return true;
}

AutoplayPoint PuzzleSelector::clickToChoose(int puzzle) const {
    const int wanted = std::clamp(puzzle, 0, selector_page::kPuzzles - 1);
    if (wanted < m_first) {
        return {dialogLeft() + kPreviousPoint.x, dialogTop() + kPreviousPoint.y};
    }
    if (wanted >= m_first + kSlots) {
        return {dialogLeft() + kNextPoint.x, dialogTop() + kNextPoint.y};
    }
    const int slot = wanted - m_first;
    return {dialogLeft() + slotColumnX(slot), dialogTop() + slotRowY(slot)};
}

int PuzzleSelector::slotAt(int x, int y) const {
    for (int slot = 0; slot < kSlots; ++slot) {
        const int left = dialogLeft() + slotColumnX(slot) - kSlotWidth / 2;
        const int top = dialogTop() + slotRowY(slot) - kSlotHeight / 2;
        if (x >= left && x < left + kSlotWidth && y >= top && y < top + kSlotHeight) {
            return slot;
        }
    }
    return -1;
}

void PuzzleSelector::updateHover(int x, int y, const PlayerProfile& profile) {
    int slot = slotAt(x, y);
    // Off the pictures, the keyboard focus may be on one: the dialog shows it as hovered.
    const int button = m_dialogs.getHoveredIndex();
    if (slot < 0 && button >= 0 && button < m_box.layout().buttonCount) {
        const int32_t id = m_box.layout().buttonIds[static_cast<std::size_t>(button)];
        slot = id >= kFirstPictureId && id < kFirstPictureId + kSlots ? id - kFirstPictureId : -1;
    }
    const bool unlocked = slot >= 0 && profile.isPuzzleUnlocked(m_first + slot);
    m_pointedSlot = unlocked ? slot : -1;
    m_hovered = unlocked ? m_first + slot : -1;
}

PuzzleSelector::Outcome PuzzleSelector::step(const ksInput& input, PlayerProfile& profile) {
    const int32_t result = m_box.runFrame(input, kCloseId);
    if (result == kCloseId) {
        if (!m_cancelled) {
            profile.setCurrentPuzzle(m_chosen);
            profile.addAttempt(m_chosen);
            return Outcome::Chosen;
        }
        return Outcome::Cancelled;
    }
    if (result >= 0) {
        // No other button closes this dialog; treat anything else as a cancel all the same.
        return Outcome::Cancelled;
    }
    updateHover(input.getX(), input.getY(), profile);
    if (!m_closing) {
        pressed(m_dialogs.getPressedId(), profile);
    }
    drawOverlay(profile, m_box.getOpacity());
    return Outcome::Open;
}

void PuzzleSelector::pressed(int32_t id, const PlayerProfile& profile) {
    if (id == kCloseId) {
        // CANCEL, Enter or Space: the dialog is fading out.
        m_cues.play(kClickCue);
        m_closing = true;
    } else if (id == kPreviousPageId || id == kNextPageId) {
        m_cues.play(kClickCue);
        if (id == kPreviousPageId ? previousPage() : nextPage()) {
            WakeRequests::nextFrame();
        }
    } else if (id >= kFirstPictureId && id < kFirstPictureId + kSlots) {
        const int puzzle = m_first + (id - kFirstPictureId);
        if (!profile.isPuzzleUnlocked(puzzle)) {
            m_cues.play(kRefusalCue);
            return;
        }
        m_cues.play(kClickCue);
        m_chosen = puzzle;
        m_cancelled = false;
        m_closing = true;
        m_dialogs.pressButton(kCloseId);
    }
}

void PuzzleSelector::refreshInfo(const PlayerProfile& profile) {
    if (m_linesFor == m_hovered) {
        return;
    }
    m_linesFor = m_hovered;
    if (m_hovered < 0) {
        return;
    }
    m_info.number = selector_page::puzzleNumber(m_hovered);
    m_info.title = SelectorLine{};
    const std::string& title = m_catalog.name(m_hovered);
    const std::size_t length = std::min(title.size(), m_info.title.text.size() - 1);
    std::copy_n(title.data(), length, m_info.title.text.data());
    m_info.history = selector_page::history(profile.best(m_hovered), profile.attempts(m_hovered));
}

void PuzzleSelector::drawOverlay(const PlayerProfile& profile, float opacity) {
    opacity = std::clamp(opacity, 0.0f, 1.0f);
    if (opacity <= 0.0f) {
        return;
    }
    m_context.canvas.selectFrame();
    const int centreX = dialogLeft() + kWidth / 2;
    const int top = dialogTop();
    if (m_font != nullptr) {
        m_font->setOpacity(opacity);
        m_font->drawText(selector_page::prompt().view(), centreX, top + kPromptY, ALIGN_CENTER);
        m_font->drawText(m_pageTitle.view(), centreX, top + kPageTitleY, ALIGN_CENTER);
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        const int puzzle = m_first + slot;
        const int x = pictureX(slot);
        const int y = pictureY(slot);
        if (!profile.isPuzzleUnlocked(puzzle)) {
            if (m_locked != nullptr) {
                m_locked->drawFaded(x + kLockedOffsetX, y + kLockedOffsetY, opacity);
            }
            continue;
        }
        const bool lifted = slot == m_pointedSlot;
        const int at = lifted ? kLift : 0;
        if (const ksImage* picture = m_thumbnails.picture(slot)) {
            picture->drawFaded(x - at, y - at, std::min(lifted ? 1.0f : kRestingOpacity, opacity));
        }
        if (profile.best(puzzle) > 0 && m_passed != nullptr) {
            m_passed->drawFaded(x - at, y - at, opacity);
        }
    }
    refreshInfo(profile);
    if (m_font != nullptr) {
        if (m_hovered >= 0) {
            m_font->drawText(m_info.number.view(), centreX, top + kNumberY, ALIGN_CENTER);
            m_font->drawText(m_info.title.view(), centreX, top + kTitleY, ALIGN_CENTER);
            m_font->drawText(m_info.history.view(), centreX, top + kHistoryY, ALIGN_CENTER);
        }
        if (!m_nextUnlockLine.empty()) {
            m_font->drawText(m_nextUnlockLine.view(), centreX, top + kNextUnlockY, ALIGN_CENTER);
        }
        m_font->setOpacity(1.0f);
    }
}
