// HighScoreScreen.h: the high-score table and the statistics of Classic and Action mode.
#pragma once

#include "engine/input/ksInputState.h"
#include "ui/DialogBox.h"
#include "ui/DialogManager.h"
#include "ui/GameScreen.h"

struct GameContext;
class ksFont;
class ksSoundHandle;

// One dialog that shows a page per mode: the mode's high-score list and its statistics. The
// arrows flip between the Classic page (0) and the Action page (2); Puzzle mode keeps no high
// scores, so page 1 is never shown. RESET asks first, then empties only the page's list and
// statistics and saves both files. CLOSE, Enter or Space goes back to the screen below.
class HighScoreScreen final : public GameScreen {
public:
    static constexpr int kClassicPage = 0;
    static constexpr int kActionPage = 2;
    static constexpr int32_t kNextPageId = 0;
    static constexpr int32_t kPreviousPageId = 1;
    static constexpr int32_t kResetId = 2;
    static constexpr int32_t kCloseId = 3;

    // The page after and before `page`, stepping over page 1.
    static constexpr int nextPage(int page) {
        const int next = (page + 1) % 3;
        return next == 1 ? kActionPage : next;
    }
    static constexpr int previousPage(int page) {
        const int previous = page - 1;
        return previous == 1 ? kClassicPage : previous < 0 ? kActionPage : previous;
    }

    explicit HighScoreScreen(GameContext& context);

    // Opens the main dialog on the Classic page.
    void enter() override;
    bool update() override;
    void setFocusLost(bool lost) override;
    // The page, unless the reset question is open.
    void draw() override;
    void redraw() override;

    int page() const { return m_page; }
    bool isResetBoxOpen() const { return m_resetBox.isOpen(); }
    // The dialog's top-left corner on the screen.
    int left() const { return m_left; }
    int top() const { return m_top; }

private:
    void buildMainBox();
    void buildResetBox();
    // False while the question stays open.
    bool updateResetBox();
    void resetPage();
    void drawPage();

    GameContext& m_context;
    ksFont* m_textFont;
    ksFont* m_headFont;
    ksFont* m_buttonFont;
    ksSoundHandle* m_click;
    DialogManager m_dialogs;
    DialogBox m_mainBox;
    DialogBox m_resetBox;
    ksInput m_input;
    int m_page = kClassicPage;
    float m_opacity = 0.0f;
    int m_left;
    int m_top;
};
