// ClassicListener.h: what the Classic rules ask the screen to show and play.
#pragma once

#include "game/board/BoardCueSink.h"

#include <array>
#include <cstdint>

// A parachute banner of one or two lines. The second line, when there is one, is `line2Format`
// with its one "%s" replaced by `line2Number` written with thousands separators (the screen's
// font does the formatting).
struct ClassicBanner {
    static constexpr std::size_t kTextCapacity = 64;

    std::array<char, kTextCapacity> line1{};
    const char* font1 = "font_dlg_med";
    const char* line2Format = nullptr;
    int32_t line2Number = 0;
    const char* font2 = nullptr;
};

// A prize leaving the board for its shelf slot. The screen starts prize object `index` with it:
// it falls from the start point and lands with its picture centred on the slot's position.
struct ClassicPrizeRelease {
    int index = 0;
    int kind = 0;  // 0 to 5
    int theme = 0; // 0 to 4
    int sourceRow = 0;
    int sourceColumn = 0;
    int startX = 0;
    int startY = 0;
    int shelfSlot = 0;
    int slotX = 0;
    int slotY = 0;
};

// Implemented by the Classic screen. Every operation has an empty default, so tests and tools
// listen only to what they need. The rules call it from inside their own operations; a listener
// must not call back into the rules.
class ClassicListener : public BoardCueSink {
public:
    // A sound cue by name ("pop23", "superpop", "P_%i%i", ...).
    void requestCue(const char*) override {}
    // A reaction of the mascot (cue numbers as the mascot defines them).
    virtual void requestMascotCue(int) {}
    virtual void showBanner(const ClassicBanner&) {}
    virtual void releasePrize(const ClassicPrizeRelease&) {}

protected:
    ~ClassicListener() = default;
};
