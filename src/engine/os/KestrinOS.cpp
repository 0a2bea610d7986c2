// KestrinOS.cpp: the OS layer: window modes, the main loop, window events and the pointer.
#include "KestrinOS.h"

#include "LoopObserver.h"
#include "engine/core/ksLog.h"
#include "engine/debug/ksDebugConsole.h"
#include "engine/store/ksRegistry.h"
#include "engine/video/ksCanvas.h"
#include "ksApplication.h"

#include <algorithm>

namespace {

KestrinOS* g_instance = nullptr;

// The desktop's keys for switching between full screen and a window: F11, and Enter typed
// while Alt is held. Every screen gets them, so they are taken here and never reach the game.
constexpr int kF11Key = 122;
constexpr int kAltKey = 18;
constexpr int kEnterCharacter = 13;

constexpr uint32_t kKeyDownColour = 0xFFFFFF;
constexpr uint32_t kKeyUpColour = 0x00FF00;
// A window being dragged reports many moves; the position is saved once it has rested this long.
constexpr auto kMoveSaveDelay = std::chrono::milliseconds(500);

} // namespace

KestrinOS::KestrinOS(ksRegistry& settings)
    : m_settings(settings) {
    g_instance = this;
}

KestrinOS::~KestrinOS() {
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

KestrinOS* KestrinOS::get() {
    return g_instance;
}

bool KestrinOS::start() {
    m_desktop = queryDesktop();

    const ScreenRect& placement = m_settings.windowRect();
    if (m_settings.isWindowed() && !isPlacementOnDesktop(placement.left, placement.top)) {
        m_settings.setWindowPosition(m_desktop.width / 2 - 320, m_desktop.height / 2 - 240);
    }

    m_settings.setDesktopDepth(static_cast<uint32_t>(m_desktop.depth));
    if (m_desktop.depth == 32 || m_desktop.depth == 16) {
        m_settings.setWindowedUnavailable(false);
    }
    if (m_settings.isWindowed() && (m_desktop.depth < 16 || m_desktop.depth == 24)) {
        m_settings.setWindowed(false);
        m_settings.setWindowedUnavailable(true);
        showMessage(MessageIcon::Error, "Zibbet",
                    "This game cannot be run in a windowed " + std::to_string(m_desktop.depth) +
                        " bit color mode.\nFullscreen mode will be used");
    }

    if (!createWindow()) {
        trace("Could not create window");
        return false;
    }
    if (m_settings.isWindowed()) {
        enterWindowed();
    } else {
        enterFullScreen();
    }
    if (!m_active) {
        return false; // the display could not be set up; the user has been told
    }
    m_settings.saveSettings();
    m_enhancedCursorCached = m_settings.isEnhancedCursor();
    showSystemCursor(!m_enhancedCursorCached);
    return true;
}

std::unique_ptr<ksCanvas> KestrinOS::createCanvas() {
    return std::make_unique<ksCanvas>(display());
}

bool KestrinOS::resetVideo() {
    if (m_resetting) {
        return true;
    }
    m_resetting = true;
    releaseVideo();
    if (!initVideo(static_cast<int>(m_settings.depthInUse()), m_settings.isWindowed())) {
        ksLog::write("Failed m_pVideo->init: " __FILE__ "\n");
        releaseVideo();
        showMessage(MessageIcon::Error, "Zibbet", "Graphics Init failed. The program will now exit.");
        postQuit();
        m_resetting = false;
        return false;
    }
    if (m_application != nullptr) {
        m_application->redraw();
    }
    m_resetting = false;
    return true;
}

void KestrinOS::enterFullScreen() {
    const int x = m_osInput.getX(), y = m_osInput.getY();
    showSystemCursor(false);
    m_pointerInside = true;
    m_active = false;
    m_settings.setWindowed(false);
    if (!resetVideo()) {
        return;
    }
    m_settings.setFullScreenDepth(static_cast<uint32_t>(m_settings.depthInUse() == 16 ? 16 : 32));
    m_settings.saveSettings();
    m_active = true;
    warpPointer(x, y);
    showSystemCursor(!m_settings.isEnhancedCursor());
}

void KestrinOS::enterWindowed() {
    const int x = m_osInput.getX(), y = m_osInput.getY();
    showSystemCursor(false);
    m_active = false;
    if (m_settings.isWindowedUnavailable()) {
        m_settings.setWindowed(false);
        showSystemCursor(true);
        showMessage(MessageIcon::Error, "Zibbet",
                    "This game cannot be run in a windowed " + std::to_string(m_settings.desktopDepth()) +
                        " bit color mode.\nFullscreen mode will be used");
        enterFullScreen();
        return;
    }
    m_settings.setWindowed(true);
    if (!resetVideo()) {
        return;
    }
    m_active = true;
    showSystemCursor(!m_settings.isEnhancedCursor());
    placeWindow(m_settings.windowRect().left, m_settings.windowRect().top);
    warpPointer(x, y);
    ksInputState::instance().setPointer(static_cast<float>(x), static_cast<float>(y));
    m_pointerInside = true;
}

void KestrinOS::toggleFullScreen() {
    if (m_settings.isWindowed()) {
        enterFullScreen();
    } else {
        enterWindowed();
        m_settings.saveSettings(); // the next start opens in the mode the player chose
    }
}

void KestrinOS::postQuit() {
    if (!m_events.push(InputEvent::simple(InputEvent::Kind::Quit))) {
        m_quit = true;
    }
}

int KestrinOS::cursorX() const {
    int x = -1, y = -1;
    return pointerPosition(x, y) ? x : -1;
}

int KestrinOS::cursorY() const {
    int x = -1, y = -1;
    return pointerPosition(x, y) ? y : -1;
}

bool KestrinOS::setCursorImage(ksImage* image, int priority, const void* owner) {
    if (owner != m_cursorOwner && priority < m_cursorPriority) {
        return false;
    }
    m_cursorImage = image;
    m_cursorPriority = priority;
    m_cursorOwner = owner;
    return true;
}

void KestrinOS::showSystemCursor(bool show) {
    if (show == m_systemCursorVisible) {
        return;
    }
    m_systemCursorVisible = show;
    setSystemCursorVisible(show);
}

void KestrinOS::updateCursor() {
    int x = 0, y = 0;
    if (!pointerPosition(x, y)) {
        showSystemCursor(true);
        m_pointerInside = false;
        return;
    }
    m_pointerInside = true;
    // The game draws its own pointer while it is active and the enhanced cursor is on.
    showSystemCursor(!(m_settings.isEnhancedCursor() && m_active));
}

void KestrinOS::activate() {
    m_active = true;
    showSystemCursor(!m_settings.isEnhancedCursor());
    if (m_application != nullptr) {
        m_application->setFocusLost(false);
        m_application->redraw();
    }
}

void KestrinOS::deactivate() {
    showSystemCursor(true);
    m_active = false;
    // Keys let go while another window has the focus never report it (Alt of Alt+Tab): a later
    // Enter must not count as Alt+Enter.
    ksInputState::instance().setKey(kAltKey, false);
    m_switchKeyDown = false;
    if (m_application != nullptr) {
        m_application->setFocusLost(true);
    }
}

void KestrinOS::handleEvent(const InputEvent& event) {
    ksInputState& input = ksInputState::instance();
    updateCursor();
    switch (event.kind) {
    case InputEvent::Kind::PointerMove:
        input.setPointer(event.x, event.y);
        break;
    case InputEvent::Kind::ButtonDown:
        input.setButton(event.code, true);
        break;
    case InputEvent::Kind::ButtonUp:
        input.setButton(event.code, false);
        break;
    case InputEvent::Kind::DoubleClick:
        input.setDoubleClick(event.code);
        break;
    case InputEvent::Kind::KeyDown:
        if (event.code == kF11Key) {
            // Held down, the key repeats; only its first press switches.
            if (!m_switchKeyDown) {
                m_switchKeyDown = true;
                toggleFullScreen();
            }
            break;
        }
        input.setKey(event.code, true);
        debugPrint(kKeyDownColour, "NON PRINTABLE: %c\n", event.code);
        break;
    case InputEvent::Kind::KeyUp:
        if (event.code == kF11Key) {
            m_switchKeyDown = false;
            break;
        }
        input.setKey(event.code, false);
        debugPrint(kKeyUpColour, "NON PRINTABLE: %c\n", event.code);
        break;
    case InputEvent::Kind::Character:
        if (event.code == kEnterCharacter && input.keys[kAltKey] != 0) {
            toggleFullScreen();
            break;
        }
        input.typeChar(event.code);
        debugPrint(kKeyDownColour, "PRINTABLE: %d\n", event.code);
        break;
    case InputEvent::Kind::FocusGained:
        activate();
        break;
    case InputEvent::Kind::FocusLost:
        deactivate();
        break;
    case InputEvent::Kind::Exposed:
        if (!m_active && m_application != nullptr) {
            m_application->redraw();
        } else {
            refreshDisplay();
        }
        break;
    case InputEvent::Kind::Maximized:
        restoreWindow();
        if (m_settings.isWindowed()) {
            enterFullScreen();
        }
        break;
    case InputEvent::Kind::Moved:
        if (m_settings.isWindowed()) {
            m_settings.setWindowPosition(static_cast<int>(event.x), static_cast<int>(event.y));
            m_windowMovePending = true;
            m_lastWindowMove = std::chrono::steady_clock::now();
        }
        break;
    case InputEvent::Kind::Raise:
        raiseWindow();
        break;
    case InputEvent::Kind::Quit:
        m_quit = true;
        break;
    }
}

void KestrinOS::flushPendingWindowMove(bool force) {
    if (m_windowMovePending &&
        (force || std::chrono::steady_clock::now() - m_lastWindowMove >= kMoveSaveDelay)) {
        m_windowMovePending = false;
        m_settings.saveSettings();
    }
}

bool KestrinOS::isDrivenByObserver() const {
    return m_observer != nullptr && m_observer->drivesPasses();
}

void KestrinOS::waitForNextFrame() {
    for (;;) {
        const auto now = this->now();
        const auto input = m_events.holdsMoreThanMoves() ? FramePacer::Pending::Presses
                           : m_events.empty()            ? FramePacer::Pending::Nothing
                                                         : FramePacer::Pending::Pointer;
        const auto due =
            input == FramePacer::Pending::Nothing ? m_pacer.due() : m_pacer.dueForInput(now, input);
        if (now >= due) {
            return;
        }
        pumpEvents(m_events, due);
    }
}

void KestrinOS::run(ksApplication& application) {
    if (m_running || !m_active) {
        return;
    }
    m_running = true;
    m_application = &application;
    m_quit = false;
    m_pacer.frameDone(now(), 0.0, FramePacer::Pending::Nothing, now());
    ksInputState& input = ksInputState::instance();
    FramePacer::Pending pending = FramePacer::Pending::Nothing;
    const auto handle = [this, &pending](const InputEvent& event) {
        if (!m_quit) {
            handleEvent(event);
            const bool pointer = event.kind == InputEvent::Kind::PointerMove;
            pending =
                std::max(pending, pointer ? FramePacer::Pending::Pointer : FramePacer::Pending::Presses);
        }
    };

    for (int64_t pass = 0; !m_quit; ++pass) {
        if (m_settings.isEnhancedCursor() != m_enhancedCursorCached) {
            m_enhancedCursorCached = m_settings.isEnhancedCursor();
            updateCursor();
        }
        input.commit();
        m_osInput.poll();
        if (m_observer != nullptr) {
            m_observer->beforePass(pass, m_events);
        }

        if (m_active) {
            const bool driven = isDrivenByObserver();
            if (!driven) {
                waitForNextFrame();
            }
            pumpEvents(m_events, std::nullopt);
            pending = FramePacer::Pending::Nothing;
            m_events.drainPass(handle);
            // A frame runs even when this pass took the focus away, so the pause shows.
            if (!m_quit) {
                if (m_pacer.isResting() && !driven) {
                    application.resumeAfterRest();
                }
                const auto start = now();
                application.frame();
                const double rest = application.restSeconds();
                // Input taken in this pass reaches the game with the next pass's commit; a
                // release held back for the next pass counts as a press.
                if (!m_events.empty()) {
                    pending = FramePacer::Pending::Presses;
                }
                m_pacer.frameDone(start, driven ? 0.0 : rest, pending, now());
                m_quit = m_quit || application.isFinished();
            }
        } else {
            const bool mayBlock = !isDrivenByObserver() && m_events.empty();
            pumpEvents(m_events, mayBlock ? std::optional(Clock::time_point::max()) : std::nullopt);
            m_events.drainPass(handle);
            m_pacer.frameDone(now(), 0.0, FramePacer::Pending::Nothing, now());
        }
        flushPendingWindowMove(false);
        if (m_observer != nullptr && !m_observer->afterPass(pass)) {
            break;
        }
        if (!m_quit) {
            endPass();
        }
    }
    flushPendingWindowMove(true);
    m_running = false;
    m_application = nullptr;
}
