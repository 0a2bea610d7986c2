// ScreenManager.cpp: decides each frame which screen runs, and switches with a history.
#include "ScreenManager.h"

#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"

#include <algorithm>

void ScreenManager::start(const ScreenTable& screens, int firstId) {
    m_screens = screens;
    m_current = firstId;
    m_pending = -1;
    m_top = -1;
    push(-1); // the bottom marker: going back onto it ends the game
    m_running = true;
    m_settlingFrames = kSettlingFrames;
    if (GameScreen* first = screen(m_current)) {
        first->enter();
    }
}

void ScreenManager::requestSwitch(int id) {
    if (id < 0 || id >= kScreenCount) {
        trace("ScreenManager::requestSwitch - no screen %d", id);
        return;
    }
    m_pending = id;
}

void ScreenManager::push(int id) {
    ++m_top;
    if (m_top == kHistoryCapacity) {
        std::copy(m_history.begin() + 1, m_history.end(), m_history.begin());
        m_top = kHistoryCapacity - 1;
    }
    m_history[m_top] = id;
}

void ScreenManager::update() {
    if (!m_running) {
        return;
    }
    GameScreen* now = screen(m_current);
    if (now == nullptr) {
        return;
    }
    if (m_settlingFrames > 0) {
        --m_settlingFrames;
        WakeRequests::nextFrame();
    }
    if (!now->update()) {
        now->draw();
        return;
    }
    switchScreen();
}

void ScreenManager::switchScreen() {
    m_settlingFrames = kSettlingFrames;
    WakeRequests::nextFrame();
    if (m_pending >= 0) {
        push(m_current);
        m_current = m_pending;
    } else if (m_top < 0) {
        m_current = -1;
    } else {
        m_current = m_history[m_top--];
    }
    m_pending = -1;
    if (m_current >= 0) {
        if (GameScreen* next = screen(m_current)) {
            next->enter();
        }
    } else {
        m_running = false;
    }
}

void ScreenManager::setFocusLost(bool lost) {
    if (GameScreen* now = screen(m_current)) {
        now->setFocusLost(lost);
    }
}

void ScreenManager::redrawCurrent() {
    if (GameScreen* now = screen(m_current)) {
        now->redraw();
    }
}

void ScreenManager::redrawNext() {
    const int next = m_pending >= 0 ? m_pending : (m_top >= 0 ? m_history[m_top] : -1);
    if (GameScreen* target = screen(next)) {
        target->redraw();
    }
}
