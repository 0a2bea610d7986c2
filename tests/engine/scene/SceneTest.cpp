// Depth order, scene membership and the animation clock.
#include "engine/core/ksTimer.h"
#include "engine/scene/DepthList.h"
#include "engine/scene/ksAnimation.h"
#include "engine/scene/ksDrawable.h"
#include "engine/scene/ksScene.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_drawn;

struct Named final : ksDrawable {
    Named(std::string n, int depth, int lifetime = 1000)
        : name(std::move(n))
        , framesLeft(lifetime) {
        setDepth(depth);
    }
    void draw() override { g_drawn.push_back(name); }
    void update() override {
        ++updates;
        --framesLeft;
    }
    bool isActive() const override { return framesLeft > 0; }
    std::string name;
    int framesLeft;
    int updates = 0;
};

std::vector<std::string> order(const DepthList& list) {
    std::vector<std::string> names;
    for (ksDrawable* d : list.entries()) {
        names.push_back(static_cast<Named*>(d)->name);
    }
    return names;
}

TEST(DepthList, InsertionPlacesBeforeTheLastDeeperEntryAndSortIsStable) {
    Named first("5a", 5), low("1", 1), second("5b", 5);
    DepthList list(10);
    list.add(&first);
    list.add(&low);
    list.add(&second);
    EXPECT_EQ(order(list), (std::vector<std::string>{"5b", "1", "5a"}));
    list.sort();
    g_drawn.clear();
    list.drawAll();
    EXPECT_EQ(g_drawn, (std::vector<std::string>{"1", "5b", "5a"}));
}

TEST(DepthList, RefusesNullDuplicatesAndOverflow) {
    Named a("a", 0), b("b", 0), c("c", 0);
    DepthList list(2);
    list.add(nullptr);
    list.add(&a);
    list.add(&a);
    list.add(&b);
    list.add(&c);
    EXPECT_EQ(list.count(), 2);
    list.remove(&c); // not there: nothing happens
    list.remove(&a);
    EXPECT_EQ(order(list), std::vector<std::string>{"b"});
}

TEST(Scene, FinishedObjectsAreUpdatedOnceMoreThenDropped) {
    Named shortLived("s", 0, 2), longLived("l", 1);
    ksScene scene(4);
    scene.add(&shortLived);
    scene.add(&shortLived);
    scene.add(&longLived);
    EXPECT_EQ(scene.list().count(), 2) << "adding twice leaves one entry";
    scene.update();
    EXPECT_EQ(scene.list().count(), 2);
    scene.update(); // its last update: it answers inactive now
    EXPECT_EQ(shortLived.updates, 2);
    EXPECT_EQ(scene.list().count(), 1);
    EXPECT_TRUE(scene.isBusy());
    scene.add(&shortLived); // a finished object can be started again
    EXPECT_EQ(scene.list().count(), 2);
}

TEST(Scene, FullSceneIgnoresMoreAndBusyFollowsLiveObjects) {
    Named a("a", 0, 1), b("b", 0), c("c", 0);
    ksScene scene(2);
    scene.add(&a);
    scene.add(&b);
    scene.add(&c);
    EXPECT_EQ(scene.list().count(), 2);
    scene.remove(&b);
    scene.update();
    EXPECT_FALSE(scene.isBusy());
    scene.clear();
    EXPECT_EQ(scene.list().count(), 0);
}

class StepCounter final : public ksCounter {
public:
    int64_t frequency() const override { return 1000; }
    int64_t read() override { return now; }
    int64_t now = 1;
};

struct AnimationFixture : ::testing::Test {
    StepCounter counter;
    ksTimer timer{counter};
    void frame(int milliseconds) {
        counter.now += milliseconds;
        timer.tick();
    }
};

TEST_F(AnimationFixture, LongFramesSkipAndAStripThatDoesNotLoopEndsOnItsLastFrame) {
    ksAnimation<const char*> strip(3, timer);
    strip.addFrame("a", 0.1f);
    strip.addFrame("b", 0.1f);
    strip.addFrame("c", 0.1f);
    strip.playing = true;
    frame(250);
    strip.update();
    EXPECT_EQ(strip.current, 2);
    EXPECT_NEAR(strip.elapsed, 0.05f, 1e-5);
    EXPECT_TRUE(strip.isPlaying());
    frame(250);
    strip.update();
    EXPECT_EQ(strip.current, 2);
    EXPECT_FALSE(strip.isPlaying());
    EXPECT_STREQ(strip.currentFrame(), "c");
}

TEST_F(AnimationFixture, LoopingStripsWrap) {
    ksAnimation<const char*> strip(2, timer);
    strip.addFrame("a", 0.1f);
    strip.addFrame("b", 0.1f);
    strip.playing = strip.loop = true;
    frame(350);
    strip.update();
    EXPECT_EQ(strip.current, 1);
    EXPECT_NEAR(strip.elapsed, 0.05f, 1e-5);
    EXPECT_NEAR(strip.progress, 0.5f, 1e-4);
}

TEST_F(AnimationFixture, CapacityZeroDurationsAndEmptyStrips) {
    ksAnimation<const char*> strip(1, timer);
    EXPECT_EQ(strip.currentFrame(), nullptr);
    strip.playing = true;
    frame(16);
    strip.update(); // an empty strip does nothing
    EXPECT_TRUE(strip.addFrame("a", 0.0f));
    EXPECT_FALSE(strip.addFrame("b", 0.1f));
    strip.loop = true;
    strip.update(); // 0.0001 s frames: still terminates
    EXPECT_EQ(strip.current, 0);
    strip.rewind();
    EXPECT_FALSE(strip.isPlaying());
}

} // namespace
