// FakeDesktop.h: an OS layer over a memory display that records what the game asks of the desktop.
#pragma once

#include "engine/os/KestrinOS.h"
#include "engine/video/ksVideo.h"

#include <string>
#include <vector>

// An OS layer that records what the screens ask of the desktop instead of doing it.
class FakeDesktop final : public KestrinOS {
public:
    struct Mode {
        int depth = 0;
        bool windowed = false;
    };

    explicit FakeDesktop(ksRegistry& settings)
        : KestrinOS(settings) {}

    MemoryVideo video{640, 480};
    std::vector<std::string> openedUrls;
    // Every display set-up, in order.
    std::vector<Mode> modes;
    bool systemCursorVisible = true;

    ksVideo& display() override { return video; }
    bool captureShownPicture(std::span<uint32_t>) override { return false; }
    void showMessage(MessageIcon, const std::string&, const std::string&) override {}
    bool openUrl(const std::string& url) override {
        openedUrls.push_back(url);
        return true;
    }
    DesktopInfo queryDesktop() override { return {1920, 1080, 32}; }

protected:
    bool isPlacementOnDesktop(int, int) override { return true; }
    bool createWindow() override { return true; }
    bool initVideo(int depth, bool windowed) override {
        modes.push_back({depth, windowed});
        video.setReady(true);
        return true;
    }
    void releaseVideo() override { video.setReady(false); }
    void placeWindow(int, int) override {}
    void restoreWindow() override {}
    void raiseWindow() override {}
    void pumpEvents(InputEventQueue&, bool) override {}
    void setSystemCursorVisible(bool visible) override { systemCursorVisible = visible; }
    bool pointerPosition(int& x, int& y) const override {
        x = y = 100;
        return true;
    }
    void warpPointer(int, int) override {}
    void endPass(bool) override {}
};
