// KestrinOS.h: the OS layer: window modes, the main loop, window events and the pointer.
#pragma once

#include "FramePacer.h"
#include "engine/input/InputEvent.h"
#include "engine/input/InputEventQueue.h"
#include "engine/input/ksInputState.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class ksApplication;
class ksCanvas;
class ksImage;
class ksRegistry;
class ksVideo;
class LoopObserver;

enum class MessageIcon { Error, Information };

// The rules of the OS layer, independent of the window system: mode switches, the main loop
// with its one-commit-per-pass input, activation, and the pointer. A window-system back end
// derives from it and supplies the primitives at the bottom.
class KestrinOS {
public:
    virtual ~KestrinOS();
    KestrinOS(const KestrinOS&) = delete;
    KestrinOS& operator=(const KestrinOS&) = delete;

    // The one OS layer of the process, or null before it was created.
    static KestrinOS* get();

    // Brings up the window and the display as the settings say. False after a failure that has
    // already been reported to the user.
    bool start();
    // Runs the main loop until the quit event is taken or the application is finished.
    void run(ksApplication& application);
    // Sets the rate of frames while something moves (the display's refresh, say).
    void setFrameRate(double framesPerSecond) { m_pacer = FramePacer(framesPerSecond); }
    // A new canvas bound to the display device.
    std::unique_ptr<ksCanvas> createCanvas();
    // Re-creates the display with the current settings; true on success.
    bool resetVideo();
    void enterFullScreen();
    void enterWindowed();
    // Full screen from a window and back (F11 and Alt+Enter in every screen).
    void toggleFullScreen();
    // Posts the quit event; the main loop leaves when it takes it.
    void postQuit();

    // The pointer in game coordinates; negative when it is outside the game's area.
    int cursorX() const;
    int cursorY() const;
    // Accepted when `owner` is the current owner or `priority` is at least the current priority.
    bool setCursorImage(ksImage* image, int priority, const void* owner);
    ksImage* cursorImage() const { return m_cursorImage; }
    // Shows or hides the system pointer, only when that changes its state.
    void showSystemCursor(bool show);
    void updateCursor();

    void setLoopObserver(LoopObserver* observer) { m_observer = observer; }
    bool isActive() const { return m_active; }
    bool isRunning() const { return m_running; }
    ksRegistry& settings() { return m_settings; }
    virtual ksVideo& display() = 0;
    // The picture the display shows now, as width x height pixels 0x00RRGGBB.
    virtual bool captureShownPicture(std::span<uint32_t> out) = 0;
    virtual void showMessage(MessageIcon icon, const std::string& caption, const std::string& text) = 0;
    // Asks the desktop to open an http(s) address; false when refused or when no browser could
    // be opened for it.
    virtual bool openUrl(const std::string& url) = 0;

    // The window procedure: one event from the window system or a script.
    void handleEvent(const InputEvent& event);

    struct DesktopInfo {
        int width = 0;
        int height = 0;
        int depth = 32;
    };
    // The primary display's size and colour depth.
    virtual DesktopInfo queryDesktop() = 0;

protected:
    explicit KestrinOS(ksRegistry& settings);

    // True when a 640 x 480 window at (x, y) would lie on one of the displays.
    virtual bool isPlacementOnDesktop(int x, int y) = 0;
    virtual bool createWindow() = 0;
    // Sets the display up in the given mode and depth.
    virtual bool initVideo(int depth, bool windowed) = 0;
    virtual void releaseVideo() = 0;
    virtual void placeWindow(int x, int y) = 0;
    virtual void restoreWindow() = 0;
    virtual void raiseWindow() = 0;
    using Clock = FramePacer::Clock;
    // Adds waiting window-system events to the queue. With `waitUntil`, first blocks until an
    // event arrives or that moment has passed; with `Clock::time_point::max()` only an event
    // ends the wait.
    virtual void pumpEvents(InputEventQueue& queue, std::optional<Clock::time_point> waitUntil) = 0;
    // Puts the whole shown picture into the window again (uncovered or resized while active).
    virtual void refreshDisplay() {}
    // The clock the loop paces frames by.
    virtual Clock::time_point now() const { return Clock::now(); }
    virtual void setSystemCursorVisible(bool visible) = 0;
    // The pointer in game coordinates; false when it is outside the game's area.
    virtual bool pointerPosition(int& x, int& y) const = 0;
    virtual void warpPointer(int x, int y) = 0;
    // Called after every pass.
    virtual void endPass() {}

private:
    void activate();
    void deactivate();
    void flushPendingWindowMove(bool force);
    // Takes window events until the next frame is due: at the paced time while something
    // moves, at once when input ends a rest.
    void waitForNextFrame();
    bool isDrivenByObserver() const;

    ksRegistry& m_settings;
    ksApplication* m_application = nullptr;
    LoopObserver* m_observer = nullptr;
    InputEventQueue m_events;
    FramePacer m_pacer;
    ksInput m_osInput;
    ksImage* m_cursorImage = nullptr;
    int m_cursorPriority = -1;
    const void* m_cursorOwner = nullptr;
    DesktopInfo m_desktop;
    bool m_systemCursorVisible = true;
    bool m_running = false;
    bool m_active = false;
    bool m_quit = false;
    bool m_resetting = false;
    bool m_enhancedCursorCached = false;
    bool m_pointerInside = false;
    bool m_windowMovePending = false;
    bool m_switchKeyDown = false; // F11, between its press and its release

    std::chrono::steady_clock::time_point m_lastWindowMove{};
};
