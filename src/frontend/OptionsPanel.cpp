// OptionsPanel.cpp: the options dialog over the screen that opened it, in three variants.
#include "OptionsPanel.h"

#include "FontOpacity.h"
#include "OptionsRules.h"
#include "engine/core/ksTimer.h"
#include "engine/input/TypedKeys.h"
#include "engine/os/KestrinOS.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 360;
// Below this colour depth the display is not "Millions of Colors".
constexpr uint32_t kMillionsDepth = 24;
constexpr uint32_t kThousandsDepth = 16;
constexpr uint32_t kTrueColourDepth = 32;

// The notice and the line under it; red 255, green 230, blue 0.
constexpr int kNoticeLineLeft = 40;
constexpr int kNoticeLineRight = 320;
constexpr int kNoticeLineY = 244;

// The previews of the selected theme, on the screen.
constexpr int kPreviewX = 265;
constexpr int kPreviewY = 340;
constexpr int kPreviewStep = 30;

} // namespace

OptionsPanel::Variant OptionsPanel::variantFor(int screenId) {
    switch (screenId) {
    case kPuzzleOptionsScreen:
        return {300, false, false, nullptr};
    case kActionOptionsScreen:
        return {380, true, false, "Following option takes effect next game."};
    default:
        return {470, true, true, "Following options take effect next game."};
    }
}

OptionsPanel::OptionsPanel(GameContext& context, int screenId)
    : m_context(context)
    , m_variant(variantFor(screenId))
    , m_headFont(context.resources.getFont("font_dlg_head"))
    , m_buttonFont(context.resources.getFont("font_dlg_small"))
    , m_labelFont(context.resources.getFont("font_dlg_med"))
    , m_previousTheme(context.resources.getImage("sprev_button"))
    , m_previousThemeOver(context.resources.getImage("sprev_button_over"))
    , m_nextTheme(context.resources.getImage("snext_button"))
    , m_nextThemeOver(context.resources.getImage("snext_button_over"))
    , m_click(context.resources.getSound("button_click"))
    , m_dialogs(context.resources)
    , m_firstDisplayBox(m_variant.difficulty ? 3 : 0)
    , m_left(context.canvas.width() / 2 - kWidth / 2)
    , m_top(context.canvas.height() / 2 - m_variant.height / 2) {
    // The font is shared: every later dialog that uses it keeps this spacing.
    m_labelFont->setTracking(-2.0f);
    m_labelFont->setSpaceWidth(4);
    for (int theme = 0; theme < PlayerProfile::kThemes; ++theme) {
        for (int prize = 0; prize < 6; ++prize) {
            char name[32];
            std::snprintf(name, sizeof name, "present%d_%d", theme, prize);
            m_previews[theme][prize] = context.resources.getImage(name);
        }
    }
}

void OptionsPanel::buildSpec(DialogSpec& layout) const {
    const PlayerProfile& profile = m_context.profile;
    const ksRegistry& settings = m_context.settings;
    layout = centredDialog(m_context.canvas, m_context.dialogVeil, kWidth, m_variant.height, 10.0f);
    layout.titleFont = m_headFont;
    layout.buttonFont = m_buttonFont;
    layout.title = "OPTIONS";

    addButton(layout, kOkId, "OK", {180, m_variant.height - 45, 120, 25});
    if (m_themeButtons) {
        addPictureButton(layout, kPreviousThemeId, m_previousTheme, m_previousThemeOver, {110, 365});
        addPictureButton(layout, kNextThemeId, m_nextTheme, m_nextThemeOver, {320, 365});
    }
    layout.closeId = kOkId;
    layout.defaultId = kOkId;

    if (m_variant.difficulty) {
        for (int level = 0; level < 3; ++level) {
            layout.checkboxPositions[level] = {168 + 50 * level, 268};
            layout.checkboxStates[level] = level == profile.difficulty() ? kCheckboxTicked : kCheckboxEmpty;
        }
    }
    const int display = m_firstDisplayBox;
    layout.checkboxPositions[display + kFullScreenBox] = {35, 152};
    layout.checkboxPositions[display + kMillionsOfColoursBox] = {35, 177};
    layout.checkboxPositions[display + kEnhancedCursorBox] = {35, 202};
    layout.checkboxStates[display + kFullScreenBox] =
        settings.isWindowed() ? kCheckboxEmpty : kCheckboxTicked;
    layout.checkboxStates[display + kMillionsOfColoursBox] = settings.isWindowed() ? kCheckboxFixed
                                                             : settings.depthInUse() >= kMillionsDepth
                                                                 ? kCheckboxTicked
                                                                 : kCheckboxEmpty;
    layout.checkboxStates[display + kEnhancedCursorBox] =
        settings.isEnhancedCursor() ? kCheckboxTicked : kCheckboxEmpty;
    layout.checkboxCount = display + 3;

    layout.knobFrames = 1;
    layout.sliderRects[kMusicSlider] = {155, 75, 170, 6};
    layout.sliderRects[kEffectsSlider] = {155, 115, 170, 6};
    layout.sliderCount = 2;
    if (m_variant.colours) {
        layout.sliderRects[kColoursSlider] = {160, 310, 157, 6};
        layout.sliderCount = 3;
    }
}

void OptionsPanel::enter() {
    const PlayerProfile& profile = m_context.profile;
    m_themeButtons = m_variant.colours && profile.countUnlockedThemes() > 1;
    DialogSpec layout;
    buildSpec(layout);
    m_dialogs.addDialog(layout);
    m_dialogs.setSliderValue(kMusicSlider, profile.musicVolume());
    m_dialogs.setSliderValue(kEffectsSlider, profile.effectsVolume());
    if (m_variant.colours) {
        m_dialogs.setSliderValue(kColoursSlider,
                                 static_cast<float>(profile.colours() - optionsrules::kFewestColours) *
                                     (1.0f / 3.0f));
    }
}

bool OptionsPanel::update() {
    m_input.poll();
    if (m_dialogs.dialogCount() == 0) {
        // Only a dialog the manager refused leaves none; there is nothing to show or change.
        m_context.screens.redrawNext();
        return true;
    }
    followDisplayMode();
    m_dialogs.update(static_cast<float>(m_context.timer.frameSeconds()));
    applySystemOptions();
    applyGameOptions();
    draw();
    drawLabels();
    drawGameLabels();
    m_dialogs.removeDone();
    if (m_input.wasTyped(kEnterKey) || m_input.wasTyped(kSpaceKey)) {
        m_dialogs.pressFromKeys(kOkId);
    }
    if (m_dialogs.getPressedId() >= 0) {
        m_click->play();
    }
    if (m_dialogs.getResult() != kOkId) {
        return false;
    }
    savePlayerProfile(m_context.settings, m_context.profile);
    m_context.screens.redrawNext();
    return true;
}

void OptionsPanel::followDisplayMode() {
    // F11 and Alt+Enter switch the mode while the panel shows; a box left behind would switch
    // it back at the next click.
    const ksRegistry& settings = m_context.settings;
    const int fullScreen = m_firstDisplayBox + kFullScreenBox;
    const int32_t shown = settings.isWindowed() ? kCheckboxEmpty : kCheckboxTicked;
    if (box(fullScreen) == shown) {
        return;
    }
    m_dialogs.setCheckboxState(fullScreen, shown);
    m_dialogs.setCheckboxState(m_firstDisplayBox + kMillionsOfColoursBox,
                               settings.isWindowed()                     ? kCheckboxFixed
                               : settings.depthInUse() >= kMillionsDepth ? kCheckboxTicked
                                                                         : kCheckboxEmpty);
}

void OptionsPanel::applySystemOptions() {
    PlayerProfile& profile = m_context.profile;
    ksRegistry& settings = m_context.settings;
    KestrinOS& os = m_context.os;
    const float music = m_dialogs.getSliderValue(kMusicSlider);
    const float effects = m_dialogs.getSliderValue(kEffectsSlider);
    profile.setMusicVolume(music);
    profile.setEffectsVolume(effects);
    m_context.sound.setVolumes(effects, music);
    if (!m_input.isReleased()) {
        return;
    }

    const int fullScreen = m_firstDisplayBox + kFullScreenBox;
    const int millions = m_firstDisplayBox + kMillionsOfColoursBox;
    const int cursor = m_firstDisplayBox + kEnhancedCursorBox;
    if (box(fullScreen) == kCheckboxTicked && settings.isWindowed()) {
        m_dialogs.setCheckboxState(millions, settings.fullScreenDepth() >= kMillionsDepth ? kCheckboxTicked
                                                                                          : kCheckboxEmpty);
        os.enterFullScreen();
    } else if (box(fullScreen) == kCheckboxEmpty && !settings.isWindowed()) {
        // A window always shows the desktop's colours.
        m_dialogs.setCheckboxState(millions, kCheckboxFixed);
        os.enterWindowed();
    }
    if (box(millions) == kCheckboxEmpty && settings.depthInUse() >= kMillionsDepth) {
        settings.setFullScreenDepth(kThousandsDepth);
        os.resetVideo();
    } else if (box(millions) == kCheckboxTicked && settings.depthInUse() < kMillionsDepth) {
        settings.setFullScreenDepth(kTrueColourDepth);
        os.resetVideo();
    }
    if (box(cursor) == kCheckboxEmpty || box(cursor) == kCheckboxTicked) {
        settings.setEnhancedCursor(box(cursor) == kCheckboxTicked);
        os.updateCursor();
    }
    saveAll();
}

void OptionsPanel::applyGameOptions() {
    PlayerProfile& profile = m_context.profile;
    if (m_variant.colours) {
        const int place = optionsrules::colourPlace(m_dialogs.getSliderValue(kColoursSlider));
        m_dialogs.setSliderValue(kColoursSlider, static_cast<float>(place) * optionsrules::kColourStep);
        profile.setColours(place + optionsrules::kFewestColours);
    }
    if (!m_input.isReleased()) {
        return;
    }
    if (m_variant.difficulty) {
        const int difficulty = optionsrules::chooseDifficulty(profile.difficulty(), {box(0), box(1), box(2)});
        for (int level = 0; level < 3; ++level) {
            m_dialogs.setCheckboxState(level, level == difficulty ? kCheckboxTicked : kCheckboxEmpty);
        }
        profile.setDifficulty(difficulty);
    }
    if (m_themeButtons && profile.countUnlockedThemes() > 1) {
        const int32_t pressed = m_dialogs.getPressedId();
        if (pressed == kNextThemeId) {
            profile.nextTheme();
        } else if (pressed == kPreviousThemeId) {
            profile.previousTheme();
        }
    }
    saveAll();
}

void OptionsPanel::saveAll() {
    savePlayerProfile(m_context.settings, m_context.profile);
    m_context.settings.saveSettings();
}

void OptionsPanel::setFocusLost(bool lost) {
    if (lost) {
        m_context.sound.pauseMusic();
    } else {
        m_context.sound.resumeMusic();
    }
}

void OptionsPanel::draw() {
    if (!m_variant.colours) {
        return;
    }
    const float opacity = m_dialogs.getOpacity();
    const int theme = m_context.profile.theme();
    if (theme < 0 || theme >= PlayerProfile::kThemes) {
        return;
    }
    for (int prize = 0; prize < 6; ++prize) {
        m_previews[theme][prize]->drawFaded(kPreviewX + kPreviewStep * prize, kPreviewY, opacity);
    }
}

void OptionsPanel::redraw() {
    m_dialogs.repaint();
    drawLabels();
    drawGameLabels();
}

void OptionsPanel::drawLabel(const char* text, int x, int y, int align) const {
    m_labelFont->drawText(text, m_left + x, m_top + y, align);
}

void OptionsPanel::drawLabels() {
    const float opacity = m_dialogs.getOpacity();
    FontOpacity faded(*m_labelFont, opacity);
    drawLabel("Music", 25, 76);
    drawLabel("Sound Effects", 25, 116);
    drawLabel("Full Screen", 60, 155);
    drawLabel("Millions of Colors", 60, 180);
    drawLabel("Enhanced Cursor", 60, 205);
    if (m_variant.notice != nullptr) {
        drawLabel(m_variant.notice, 180, 236, ALIGN_CENTER);
        // A one-pixel rule, faded with the dialog like the text above it.
        m_context.canvas.fillRectFaded(m_left + kNoticeLineLeft, m_top + kNoticeLineY,
                                       kNoticeLineRight - kNoticeLineLeft + 1, 1, 255, 230, 0, opacity);
    }
}

void OptionsPanel::drawGameLabels() {
    if (!m_variant.difficulty) {
        return;
    }
    FontOpacity faded(*m_labelFont, m_dialogs.getOpacity());
    drawLabel("Skill Level", 25, 271);
    drawLabel("1", 187, 271);
    drawLabel("2", 237, 271);
    drawLabel("3", 287, 271);
    if (m_variant.colours) {
        char colours[32];
        std::snprintf(colours, sizeof colours, "Colors: %d", m_context.profile.colours());
        drawLabel(colours, 25, 312);
        drawLabel("Prizes", 25, 364);
    }
}
