// ksInputState.cpp: the engine-wide live input state and the per-frame snapshots read from it.
#include "ksInputState.h"

#include "engine/core/ksLog.h"

#include <algorithm>

namespace {

struct SnapshotRegistry {
    std::array<ksInput*, ksInput::kRegistryCapacity> entries{};
    int count = 0;
};

SnapshotRegistry& registry() {
    static SnapshotRegistry instance;
    return instance;
}

void enter(ksInput* input) {
    SnapshotRegistry& r = registry();
    if (std::find(r.entries.begin(), r.entries.begin() + r.count, input) != r.entries.begin() + r.count) {
        return;
    }
    if (r.count == ksInput::kRegistryCapacity) {
        trace("Reached maximum number of ksInput objects");
        return;
    }
    r.entries[r.count++] = input;
}

void leave(ksInput* input) {
    SnapshotRegistry& r = registry();
    if (r.count == 0) {
        trace("Cannot remove any more ksInput references");
        return;
    }
    auto* end = r.entries.begin() + r.count;
    auto* found = std::find(r.entries.begin(), end, input);
    if (found == end) {
        trace("Could not find ksInput reference to delete");
        return;
    }
    std::copy(found + 1, end, found);
    r.entries[--r.count] = nullptr;
}

} // namespace

ksInputState& ksInputState::instance() {
    static ksInputState state;
    return state;
}

void ksInputState::setPointer(float px, float py) {
    for (int i = 0; i < kButtons; ++i) {
        if (down[i]) {
            dragging[i] = 1;
        }
    }
    x = px;
    y = py;
}

void ksInputState::setButton(int index, bool isDown) {
    if (index < 0 || index >= kButtons) {
        return;
    }
    down[index] = isDown ? 1 : 0;
    if (!isDown) {
        dragging[index] = 0;
    } else if (index < 2) {
        doubleClick[index] = 0;
    }
}

void ksInputState::setDoubleClick(int index) {
    if (index >= 0 && index < 2) {
        doubleClick[index] = 1;
    }
}

void ksInputState::setKey(int code, bool isDown) {
    if (code >= 0 && code < 256) {
        keys[code] = isDown ? 1 : 0;
    }
}

void ksInputState::typeChar(int code) {
    if (code >= 0 && code < 256) {
        typed[code] = 1;
        keys[code] = 0;
    }
}

void ksInputState::commit() {
    for (int i = 0; i < kButtons; ++i) {
        released[i] = (!down[i] && committed[i]) ? 1 : 0;
        committed[i] = down[i];
    }
    keySnapshot = keys;
    typedFrame = typed;
    typed.fill(0);
}

void ksInputState::reset() {
    *this = ksInputState{};
}

ksInput::ksInput() {
    enter(this);
}

ksInput::~ksInput() {
    leave(this);
}

ksInput::ksInput(const ksInput& other) {
    copyFields(other);
    enter(this);
}

ksInput& ksInput::operator=(const ksInput& other) {
    copyFields(other);
    return *this;
}

void ksInput::copyFields(const ksInput& other) {
    x = other.x;
    y = other.y;
    dx = other.dx;
    dy = other.dy;
    leftDoubleClick = other.leftDoubleClick;
    rightDoubleClick = other.rightDoubleClick;
    held = other.held;
    released = other.released;
    dragging = other.dragging;
    keys = other.keys;
    chars = other.chars;
}

void ksInput::poll() {
    const ksInputState& s = ksInputState::instance();
    x = s.x;
    y = s.y;
    dx = s.dx;
    dy = s.dy;
    leftDoubleClick = s.doubleClick[0];
    rightDoubleClick = s.doubleClick[1];
    held = s.committed;
    released = s.released;
    dragging = s.dragging;
    keys = s.keySnapshot;
    chars = s.typedFrame;
}

void ksInput::copyFrom(const ksInput& other) {
    copyFields(other);
}

void ksInput::clear() {
    x = y = dx = dy = 0;
    leftDoubleClick = rightDoubleClick = 0;
    held.fill(0);
    released.fill(0);
    dragging.fill(0);
    keys.fill(0);
    chars.fill(0);
}

void ksInput::clearAll() {
    SnapshotRegistry& r = registry();
    for (int i = 0; i < r.count; ++i) {
        r.entries[i]->clear();
    }
}

int ksInput::registeredCount() {
    return registry().count;
}

bool ksInput::anyTyped() const {
    return std::any_of(chars.begin(), chars.end(), [](uint8_t c) { return c != 0; });
}

bool ksInput::differsFrom(const ksInput& other) const {
    constexpr std::array<uint8_t, 3> kNone{};
    return x != other.x || y != other.y || held != other.held || keys != other.keys || released != kNone ||
           anyTyped();
}
