// ScreenManager.h: decides each frame which screen runs, and switches with a history.
#pragma once

#include "GameScreen.h"

#include <array>

// A screen asks for another one with requestSwitch and answers true from update; answering true
// without a request goes back to the screen before. Going back past the first screen ends the
// game. The history keeps the 100 most recent screens.
class ScreenManager {
public:
    static constexpr int kHistoryCapacity = 100;
    // A screen just entered gets this many frames in a row (half a second), whatever it asks
    // for: entering, repainting and the cross-fades of the front end take a while to settle.
    static constexpr int kSettlingFrames = 30;
    using ScreenTable = std::array<GameScreen*, kScreenCount>;

    void start(const ScreenTable& screens, int firstId);
    // Records the id to switch to; a later request before the switch replaces it. Ids outside the
    // table are ignored with a trace line.
    void requestSwitch(int id);
    void update();
    void setFocusLost(bool lost);
    void redrawCurrent();
    // Redraws the screen the next switch will enter.
    void redrawNext();
    bool isFinished() const { return !m_running; }
    int current() const { return m_current; }
    // The running screen, or null when none runs.
    GameScreen* currentScreen() const { return screen(m_current); }
    int historyDepth() const { return m_top + 1; }

private:
    void push(int id);
    void switchScreen();
    GameScreen* screen(int id) const { return id >= 0 && id < kScreenCount ? m_screens[id] : nullptr; }

    ScreenTable m_screens{};
    std::array<int, kHistoryCapacity> m_history{};
    int m_top = -1;
    int m_current = -1;
    int m_pending = -1;
    bool m_running = false;
    int m_settlingFrames = 0;
};
