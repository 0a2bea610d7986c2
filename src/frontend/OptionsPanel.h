// OptionsPanel.h: the options dialog over the screen that opened it, in three variants.
#pragma once

#include "engine/input/ksInputState.h"
#include "engine/video/ksFont.h"
#include "ui/DialogManager.h"
#include "ui/GameScreen.h"

#include <array>

struct GameContext;
class ksImage;
class ksSoundHandle;

// One dialog titled "OPTIONS" with the two volume sliders and the display boxes; the variant
// opened from the title screen and Classic mode adds the difficulty, the number of colours and
// the prize theme, the one opened from Action mode adds the difficulty, the one opened from
// Puzzle mode nothing. Every change applies and is saved at once (the volumes follow the knob
// while it is dragged); OK, Enter or Space closes the panel and goes back to the screen below.
class OptionsPanel final : public GameScreen {
public:
    // Control indices of the dialog.
    static constexpr int kMusicSlider = 0;
    static constexpr int kEffectsSlider = 1;
    static constexpr int kColoursSlider = 2;
    // The difficulty boxes come first where there are any; the display boxes follow.
    static constexpr int kFullScreenBox = 0;
    static constexpr int kMillionsOfColoursBox = 1;
    static constexpr int kEnhancedCursorBox = 2;
    static constexpr int32_t kOkId = 0;
    static constexpr int32_t kNextThemeId = 7;
    static constexpr int32_t kPreviousThemeId = 8;

    // `screenId` is kOptionsScreen, kPuzzleOptionsScreen or kActionOptionsScreen.
    OptionsPanel(GameContext& context, int screenId);

    // Opens the dialog with the current profile and display settings.
    void enter() override;
    bool update() override;
    void setFocusLost(bool lost) override;
    // The previews of the selected prize theme, where the variant shows them.
    void draw() override;
    void redraw() override;

    // Applies the difficulty, the colours and the theme, where the variant has them.
    void applyGameOptions();
    void drawGameLabels();

    // The index of the first display box in the dialog.
    int firstDisplayBox() const { return m_firstDisplayBox; }
    bool hasThemeButtons() const { return m_themeButtons; }
    // The dialog's top-left corner on the screen.
    int left() const { return m_left; }
    int top() const { return m_top; }
    const DialogManager& dialogs() const { return m_dialogs; }

private:
    struct Variant {
        int height;
        bool difficulty;
        bool colours; // also the prize theme and its previews
        const char* notice;
    };
    static Variant variantFor(int screenId);

    void buildSpec(DialogSpec& layout) const;
    void applySystemOptions();
    void drawLabels();
    void drawLabel(const char* text, int x, int y, int align = ALIGN_LEFT) const;
    void saveAll();
    int32_t box(int index) const { return m_dialogs.getCheckboxState(index); }
    // The display boxes show the mode in force, however it was switched.
    void followDisplayMode();

    GameContext& m_context;
    Variant m_variant;
    ksFont* m_headFont;
    ksFont* m_buttonFont;
    ksFont* m_labelFont;
    std::array<std::array<ksImage*, 6>, 5> m_previews{};
    const ksImage* m_previousTheme;
    const ksImage* m_previousThemeOver;
    const ksImage* m_nextTheme;
    const ksImage* m_nextThemeOver;
    ksSoundHandle* m_click;
    DialogManager m_dialogs;
    ksInput m_input;
    int m_firstDisplayBox;
    bool m_themeButtons = false;
    int m_left;
    int m_top;
};
