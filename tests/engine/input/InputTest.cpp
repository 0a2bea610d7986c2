// Input: commit semantics, the snapshot registry and the one-pass event queue.
#include "engine/input/InputEventQueue.h"
#include "engine/input/ksInputState.h"
#include "support/TestSupport.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

struct InputFixture : ::testing::Test {
    ksInputState& state = ksInputState::instance();
    void SetUp() override { state.reset(); }

    // One main-loop pass: commit, then the frame's poll.
    void pass(ksInput& input) {
        state.commit();
        input.poll();
    }
};

TEST_F(InputFixture, AClickIsHeldUntilReleasedReleasedForExactlyOneFrameAndDragsWhenMoved) {
    ksInput input;
    state.setButton(0, true);
    state.setPointer(10, 10);
    pass(input);
    EXPECT_TRUE(input.isHeld());
    EXPECT_TRUE(input.isDragging());
    EXPECT_FALSE(input.isReleased());
    state.setButton(0, false);
    pass(input);
    EXPECT_FALSE(input.isHeld());
    EXPECT_FALSE(input.isDragging());
    EXPECT_TRUE(input.isReleased());
    pass(input);
    EXPECT_FALSE(input.isReleased());
}

TEST_F(InputFixture, TypedCharactersLastOneFrameAndNeverLookHeldButHeldKeysStayDown) {
    ksInput input;
    state.typeChar('a');
    state.setKey(115, true); // F4
    pass(input);
    EXPECT_TRUE(input.wasTyped('a'));
    EXPECT_FALSE(input.isKeyDown('A'));
    EXPECT_FALSE(input.isKeyDown('a'));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(input.isKeyDown(115));
        pass(input);
    }
    EXPECT_FALSE(input.wasTyped('a'));
    EXPECT_FALSE(input.anyTyped());
    state.setKey(115, false);
    pass(input);
    EXPECT_FALSE(input.isKeyDown(115));
    EXPECT_FALSE(input.isKeyDown(-1));
    EXPECT_FALSE(input.isKeyDown(4000));
}

TEST_F(InputFixture, ClearAllWipesEverySnapshotUntilTheNextPoll) {
    ksInput a, b;
    state.setButton(0, true);
    pass(a);
    b.poll();
    ksInput::clearAll();
    EXPECT_FALSE(a.isHeld());
    EXPECT_FALSE(b.isHeld());
    a.poll();
    EXPECT_TRUE(a.isHeld());
}

TEST_F(InputFixture, RegistryRefusesThe1025thSnapshotAndReportsBadRemovals) {
    LogCapture log;
    ksInput keeper; // so the registry is not empty when the unregistered one leaves
    const int before = ksInput::registeredCount();
    std::vector<ksInput> many(ksInput::kRegistryCapacity - before + 1);
    EXPECT_EQ(ksInput::registeredCount(), ksInput::kRegistryCapacity);
    EXPECT_EQ(log.count("Reached maximum number of ksInput objects"), 1);
    many.clear();
    EXPECT_EQ(log.count("Could not find ksInput reference to delete"), 1);
    EXPECT_EQ(ksInput::registeredCount(), before);
}

TEST(InputEventQueue, PressAndReleaseInOneBatchFallOnDifferentPasses) {
    InputEventQueue queue;
    queue.push(InputEvent::button(0, true));
    queue.push(InputEvent::button(0, false));
    queue.push(InputEvent::character('x'));
    std::vector<InputEvent::Kind> first, second;
    queue.drainPass([&](const InputEvent& e) { first.push_back(e.kind); });
    queue.drainPass([&](const InputEvent& e) { second.push_back(e.kind); });
    EXPECT_EQ(first, std::vector{InputEvent::Kind::ButtonDown});
    EXPECT_EQ(second, (std::vector{InputEvent::Kind::ButtonUp, InputEvent::Kind::Character}));

    // The release of an earlier press is taken at once.
    queue.push(InputEvent::button(1, false));
    queue.push(InputEvent::button(0, true));
    int taken = 0;
    queue.drainPass([&](const InputEvent&) { ++taken; });
    EXPECT_EQ(taken, 2);
}

TEST(InputEventQueue, AFloodOfMovesCoalescesIntoTheLastPosition) {
    InputEventQueue queue;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(queue.push(InputEvent::pointerMove(static_cast<float>(i % 640), 7)));
    }
    queue.push(InputEvent::button(0, true));
    queue.push(InputEvent::pointerMove(3, 4));
    queue.push(InputEvent::pointerMove(5, 6));
    EXPECT_EQ(queue.size(), 3u);
    std::vector<InputEvent> taken;
    queue.drainPass([&](const InputEvent& e) { taken.push_back(e); });
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].x, 5000 % 640 - 1 + 0.0f);
    EXPECT_EQ(taken[2].x, 5);
}

TEST(InputEventQueue, AFullQueueRefusesInsteadOfOverwriting) {
    InputEventQueue queue;
    for (std::size_t i = 0; i < InputEventQueue::kCapacity; ++i) {
        ASSERT_TRUE(queue.push(InputEvent::character('a')));
    }
    EXPECT_FALSE(queue.push(InputEvent::button(0, false)));
    EXPECT_EQ(queue.freeSpace(), 0u);
}

} // namespace
