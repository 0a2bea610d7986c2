// EffectTestSupport.h: a frame clock the tests step, a cue recorder and pictures made on demand.
#pragma once

#include "engine/core/ksTimer.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "stage/CuePlayer.h"
#include "stage/PictureLookup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

// A ksTimer whose frames last exactly as long as the test says.
class FrameClock {
public:
    // Ends a frame of `seconds`; every effect reads it through timer().
    void step(double seconds) {
        m_counter.now += std::llround(seconds * 1e9);
        m_timer.tick();
    }
    const ksTimer& timer() const { return m_timer; }

private:
    struct Counter final : ksCounter {
        int64_t now = 1;
        int64_t frequency() const override { return 1'000'000'000; }
        int64_t read() override { return now; }
    };
    Counter m_counter;
    ksTimer m_timer{m_counter};
};

// Plays every cue on a fresh channel and remembers which channel still plays what, so a test can
// tell a stop of one's own cue from a stop of someone else's sound.
class RecordingCues final : public CuePlayer {
public:
    struct Event {
        bool play;
        std::string cue;
        int channel;
    };

    int play(std::string_view cue) override {
        const int channel = m_nextChannel++;
        m_playing[channel] = std::string(cue);
        events.push_back({true, std::string(cue), channel});
        return channel;
    }
    void stop(int channel, std::string_view cue) override {
        events.push_back({false, std::string(cue), channel});
        const auto found = m_playing.find(channel);
        if (found != m_playing.end() && found->second == cue) {
            m_playing.erase(found);
        }
    }

    int plays(std::string_view cue) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [&](const Event& e) { return e.play && e.cue == cue; }));
    }
    bool isPlaying(std::string_view cue) const {
        return std::any_of(m_playing.begin(), m_playing.end(),
                           [&](const auto& p) { return p.second == cue; });
    }
    int channelOf(std::string_view cue) const {
        for (const auto& [channel, name] : m_playing) {
            if (name == cue) {
                return channel;
            }
        }
        return -1;
    }

    std::vector<Event> events;

private:
    std::map<int, std::string> m_playing;
    int m_nextChannel = 0;
};

// Opaque pictures of one size and colour, made the first time a name is asked for, so tests can
// both draw them and tell which resource an effect chose.
class PictureBook {
public:
    PictureBook(ksCanvas& canvas, int width, int height, uint32_t rgb = 0xFF0000)
        : m_canvas(canvas)
        , m_width(width)
        , m_height(height)
        , m_rgb(rgb) {}

    void setSize(const std::string& name, int width, int height) { m_sizes[name] = {width, height}; }

    const ksImage* get(const char* name) {
        auto& slot = m_pictures[name];
        if (!slot) {
            const auto size = m_sizes.find(name);
            const int w = size != m_sizes.end() ? size->second.first : m_width;
            const int h = size != m_sizes.end() ? size->second.second : m_height;
            slot = std::make_unique<ksImage>(m_canvas, w, h);
            slot->setColour(static_cast<int>(m_rgb >> 16) & 0xFF, static_cast<int>(m_rgb >> 8) & 0xFF,
                            static_cast<int>(m_rgb) & 0xFF);
            slot->setAlpha(255);
        }
        return slot.get();
    }
    PictureLookup lookup() {
        return [this](const char* name) { return get(name); };
    }
    std::string nameOf(const ksImage* picture) const {
        for (const auto& [name, image] : m_pictures) {
            if (image.get() == picture) {
                return name;
            }
        }
        return picture == nullptr ? "(none)" : "(unknown)";
    }
    bool wasAskedFor(const std::string& name) const { return m_pictures.count(name) != 0; }

private:
    ksCanvas& m_canvas;
    int m_width;
    int m_height;
    uint32_t m_rgb;
    std::map<std::string, std::pair<int, int>> m_sizes;
    std::map<std::string, std::unique_ptr<ksImage>> m_pictures;
};

// A 640 x 480 canvas over memory, as the game's.
struct TestScreen {
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    MemoryVideo video{kWidth, kHeight};
    ksCanvas canvas{video};

    uint32_t at(int x, int y) const {
        return canvas.buffer(ksCanvas::Buffer::Frame)[static_cast<std::size_t>(y) * kWidth + x] & 0xFFFFFFu;
    }
    void clear() { canvas.fillRect(0, 0, kWidth, kHeight, 0xFF000000u); }
};

// Steps, updates and draws `effect` for `frames` frames with dirty tracking on; true when none
// of them drew anything.
template <typename Effect>
bool drawsNothing(TestScreen& screen, FrameClock& clock, Effect& effect, int frames,
                  double seconds = 1.0 / 60.0) {
    screen.canvas.setTracking(true);
    for (int i = 0; i < frames; ++i) {
        clock.step(seconds);
        effect.update();
        effect.draw();
    }
    return screen.canvas.dirtyList().items().empty();
}

// What most effects are tested on: the screen, a clock and a cue recorder.
struct EffectStage : ::testing::Test {
    TestScreen screen;
    FrameClock clock;
    RecordingCues cues;
};
