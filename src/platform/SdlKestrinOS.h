// SdlKestrinOS.h: the OS layer's window-system primitives over SDL2.
#pragma once

#include "SdlGamepads.h"
#include "WindowVideo.h"
#include "engine/os/KestrinOS.h"

#include <memory>

struct SDL_Window;
union SDL_Event;

struct SdlOptions {
    bool headless = false; // SDL's dummy drivers, no pacing, no dialogs
    bool gpu = false;      // present through SDL's renderer instead of the window surface
};

class SdlKestrinOS final : public KestrinOS {
public:
    // Initialises SDL's video and events; check `isUsable` afterwards.
    SdlKestrinOS(ksRegistry& settings, SdlOptions options);
    ~SdlKestrinOS() override;

    bool isUsable() const { return m_sdlReady; }
    ksVideo& display() override { return *m_video; }
    bool captureShownPicture(std::span<uint32_t> out) override;
    void showMessage(MessageIcon icon, const std::string& caption, const std::string& text) override;
    bool openUrl(const std::string& url) override;
    // Gives the window the picture (0xAARRGGBB) the desktop shows for it.
    void setWindowIcon(const uint32_t* pixels, int width, int height);
    // Thread-safe: asks the main loop to bring the window to the front.
    static void requestRaise();
    DesktopInfo queryDesktop() override;

protected:
    bool isPlacementOnDesktop(int x, int y) override;
    bool createWindow() override;
    bool initVideo(int depth, bool windowed) override;
    void releaseVideo() override;
    void placeWindow(int x, int y) override;
    void restoreWindow() override;
    void raiseWindow() override;
    void pumpEvents(InputEventQueue& queue, std::optional<Clock::time_point> waitUntil) override;
    void refreshDisplay() override;
    void setSystemCursorVisible(bool visible) override;
    bool pointerPosition(int& x, int& y) const override;
    void warpPointer(int x, int y) override;

private:
    void translate(const SDL_Event& event, InputEventQueue& queue);
    bool eventToGame(int windowX, int windowY, float& x, float& y) const;

    SdlOptions m_options;
    bool m_sdlReady = false;
    SDL_Window* m_window = nullptr;
    std::unique_ptr<WindowVideo> m_video;
    // Opened once SDL runs; closed before SDL's video and events stop.
    std::unique_ptr<SdlGamepads> m_gamepads;
};
