// ksInputState.h: the engine-wide live input state and the per-frame snapshots read from it.
#pragma once

#include <array>
#include <cstdint>

// Written by the window's event handling; committed once per main-loop pass. Nothing but ksInput
// reads it.
class ksInputState {
public:
    static constexpr int kButtons = 3; // left, right, middle

    static ksInputState& instance();

    void setPointer(float x, float y);
    void setButton(int index, bool down);
    void setDoubleClick(int index);
    void setKey(int code, bool down);
    void typeChar(int code);
    // Detects releases, freezes the keys and hands this pass's characters to the next frame.
    void commit();
    void reset();

    float x = 0, y = 0;
    float dx = 0, dy = 0;
    std::array<uint8_t, kButtons> down{};
    std::array<uint8_t, kButtons> committed{};
    std::array<uint8_t, kButtons> released{};
    std::array<uint8_t, kButtons> dragging{};
    std::array<uint8_t, 2> doubleClick{};
    std::array<uint8_t, 256> keys{};
    std::array<uint8_t, 256> keySnapshot{};
    std::array<uint8_t, 256> typed{};
    std::array<uint8_t, 256> typedFrame{};
};

// A plain snapshot of the committed input of one frame. Every snapshot is entered in an
// engine-wide registry of at most 1024, so a dialog can wipe the input of all of them at once.
class ksInput {
public:
    static constexpr int kRegistryCapacity = 1024;

    ksInput();
    ~ksInput();
    ksInput(const ksInput& other);
    ksInput& operator=(const ksInput& other);

    // Copies the committed state of ksInputState.
    void poll();
    void copyFrom(const ksInput& other);
    void clear();
    // Clears every registered snapshot.
    static void clearAll();
    static int registeredCount();

    int getX() const { return static_cast<int>(x); }
    int getY() const { return static_cast<int>(y); }
    bool isHeld() const { return held[0] != 0; }
    bool isReleased() const { return released[0] != 0; }
    bool isRightReleased() const { return released[1] != 0; }
    bool isDragging() const { return dragging[0] != 0; }
    bool isKeyDown(int code) const { return code >= 0 && code < 256 && keys[code] != 0; }
    bool wasTyped(int code) const { return code >= 0 && code < 256 && chars[code] != 0; }
    bool anyTyped() const;
    // True when `other` saw another pointer position, button state or key than this one.
    bool differsFrom(const ksInput& other) const;

    float x = 0, y = 0;
    float dx = 0, dy = 0;
    uint8_t leftDoubleClick = 0, rightDoubleClick = 0;
    std::array<uint8_t, 3> held{};
    std::array<uint8_t, 3> released{};
    std::array<uint8_t, 3> dragging{};
    std::array<uint8_t, 256> keys{};
    std::array<uint8_t, 256> chars{};

private:
    void copyFields(const ksInput& other);
};
