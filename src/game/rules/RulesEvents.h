// RulesEvents.h: what the rules of a mode ask its screen to show and play.
#pragma once

#include "game/board/BoardCueSink.h"

#include <array>
#include <cstdint>

// A parachute banner of one or two lines. The second line, when there is one, is `line2Format`
// with its one "%s" replaced by `line2Number` written with thousands separators (the screen's
// font does the formatting), or else the ready text `line2`.
struct GameBanner {
    static constexpr std::size_t kTextCapacity = 64;

    std::array<char, kTextCapacity> line1{};
    const char* font1 = "font_dlg_med";
    const char* line2Format = nullptr;
    int32_t line2Number = 0;
    std::array<char, kTextCapacity> line2{};
    const char* font2 = nullptr;
};

// "Super Pop!  n Balloons!" over "bonus Bonus!": what every mode shows for a super pop.
GameBanner superPopBanner(int groupSize, int32_t bonus);

// Implemented by a mode's screen. Every operation has an empty default, so tests and tools
// listen only to what they need. The rules call it from inside their own operations; a listener
// must not call back into the rules.
class RulesListener : public BoardCueSink {
public:
    // A sound cue by name ("pop23", "superpop", "P_%i%i", ...).
    void requestCue(const char*) override {}
    // A reaction of the mascot (the numbers of MascotCue).
    virtual void requestMascotCue(int) {}
    virtual void showBanner(const GameBanner&) {}

protected:
    ~RulesListener() = default;
};

// Sends to a listener that may be null.
inline void sendCue(RulesListener* listener, const char* name) {
    if (listener != nullptr) {
        listener->requestCue(name);
    }
}
inline void sendMascotCue(RulesListener* listener, int cue) {
    if (listener != nullptr) {
        listener->requestMascotCue(cue);
    }
}
inline void sendBanner(RulesListener* listener, const GameBanner& banner) {
    if (listener != nullptr) {
        listener->showBanner(banner);
    }
}
