// FakeDesktop.h: an OS layer over a memory display that records what the game asks of the desktop.
#pragma once

#include "engine/os/KestrinOS.h"
#include "engine/video/ksVideo.h"

#include <map>
#include <string>
#include <vector>

// An OS layer that records what the screens ask of the desktop instead of doing it, and delivers
// scripted events by pass number.
class FakeDesktop final : public KestrinOS {
public:
    struct Mode {
        int depth = 0;
        bool windowed = false;
    };

    explicit FakeDesktop(ksRegistry& settings)
        : KestrinOS(settings) {}

    MemoryVideo video{640, 480};
    DesktopInfo desktop{1920, 1080, 32};
    bool failVideo = false;
    std::vector<std::string> openedUrls;
    // False: the desktop has no browser to open an address with.
    bool browserOpens = true;
    std::vector<std::string> messages;
    // Every display set-up, in order.
    std::vector<Mode> modes;
    bool systemCursorVisible = true;
    std::map<int64_t, std::vector<InputEvent>> eventsByPass;
    int64_t pass = 0;
    // Waits for events with no end.
    int waits = 0;
    // The loop's clock: it moves only when the loop waits or a test moves it.
    Clock::time_point clock = Clock::time_point{} + std::chrono::hours(1);
    // Events that arrive when the clock reaches their moment.
    std::multimap<Clock::time_point, InputEvent> eventsByTime;
    // Every wait with an end, as the moment it was to end.
    std::vector<Clock::time_point> waitDeadlines;

    ksVideo& display() override { return video; }
    bool captureShownPicture(std::span<uint32_t>) override { return false; }
    void showMessage(MessageIcon, const std::string&, const std::string& text) override {
        messages.push_back(text);
    }
    bool openUrl(const std::string& url) override {
        openedUrls.push_back(url);
        return browserOpens;
    }
    DesktopInfo queryDesktop() override { return desktop; }

protected:
    bool isPlacementOnDesktop(int x, int y) override {
        return x >= 0 && y >= 0 && x + 640 <= desktop.width && y + 480 <= desktop.height;
    }
    bool createWindow() override { return true; }
    bool initVideo(int depth, bool windowed) override {
        modes.push_back({depth, windowed});
        video.setReady(!failVideo);
        return !failVideo;
    }
    void releaseVideo() override { video.setReady(false); }
    void placeWindow(int, int) override {}
    void restoreWindow() override {}
    void raiseWindow() override {}
    Clock::time_point now() const override { return clock; }
    void pumpEvents(InputEventQueue& queue, std::optional<Clock::time_point> waitUntil) override {
        if (waitUntil && *waitUntil == Clock::time_point::max()) {
            ++waits;
            if (!eventsByTime.empty()) {
                clock = std::max(clock, eventsByTime.begin()->first);
            } else if (eventsByPass.empty()) {
                queue.push(InputEvent::simple(InputEvent::Kind::Quit)); // nothing would ever come
            }
        } else if (waitUntil) {
            waitDeadlines.push_back(*waitUntil);
            const auto next = eventsByTime.begin();
            clock = std::max(clock, next != eventsByTime.end() && next->first < *waitUntil ? next->first
                                                                                           : *waitUntil);
        }
        while (!eventsByTime.empty() && eventsByTime.begin()->first <= clock) {
            queue.push(eventsByTime.begin()->second);
            eventsByTime.erase(eventsByTime.begin());
        }
        if (auto found = eventsByPass.find(pass); found != eventsByPass.end()) {
            for (const InputEvent& event : found->second) {
                queue.push(event);
            }
            eventsByPass.erase(found);
        }
    }
    void setSystemCursorVisible(bool visible) override { systemCursorVisible = visible; }
    bool pointerPosition(int& x, int& y) const override {
        x = y = 100;
        return true;
    }
    void warpPointer(int, int) override {}
    void endPass() override { ++pass; }
};
