// MenuButton: hover with inclusive edges, the pressed flag, the hover fade and the drawing rules.
#include "ui/MenuButton.h"

#include "WidgetWorld.h"

namespace {

struct MenuButtonFixture : WidgetWorld {
    MenuButton button{5, ScreenRect::fromPositionSize(100, 50, 40, 20), timer};
    ksImage normal = solid(40, 20, 0xFFFF0000);
    ksImage hover = solid(40, 20, 0xFF00FF00);
    ksImage pressed = solid(40, 20, 0xFF0000FF);

    void pass() {
        frame([&] { button.update(); });
    }
    void pointAt(int x, int y) { input.setPointer(static_cast<float>(x), static_cast<float>(y)); }
    uint32_t drawn() {
        uint32_t pixel = 0;
        frame([&] {
            button.draw();
            pixel = frameAt(110, 60);
        });
        return pixel;
    }
};

TEST_F(MenuButtonFixture, EveryEdgePixelCountsAsHovered) {
    for (auto [x, y, inside] : {std::tuple{100, 50, true},
                                {139, 69, true},
                                {139, 50, true},
                                {140, 60, false},
                                {99, 60, false},
                                {120, 70, false},
                                {120, 49, false}}) {
        pointAt(x, y);
        pass();
        EXPECT_EQ(button.isHovered(), inside) << x << ", " << y;
    }
    button.moveBy(5, -10);
    EXPECT_EQ(button.rect(), ScreenRect::fromPositionSize(105, 40, 40, 20));
}

TEST_F(MenuButtonFixture, OnlyAPressThatStartsOverTheButtonPressesIt) {
    pointAt(50, 50);
    input.setButton(0, true);
    pass();
    pointAt(110, 60);
    pass();
    EXPECT_FALSE(button.isPressed()) << "pressed outside, then moved in";
    input.setButton(0, false);
    pass();
    pass();

    input.setButton(0, true);
    pass();
    EXPECT_TRUE(button.isPressed());
    pass();
    EXPECT_TRUE(button.isPressed()) << "held";
    input.setButton(0, false);
    pass();
    EXPECT_TRUE(button.isPressed()) << "still set in the frame of the release";
    pass();
    EXPECT_FALSE(button.isPressed());
}

TEST_F(MenuButtonFixture, TheHoverLevelFollowsTheFadeRate) {
    button.setFadeRate(2.0f); // 0.125 per frame of 1/16 s
    pointAt(110, 60);
    for (int i = 0; i < 4; ++i) {
        pass();
    }
    EXPECT_FLOAT_EQ(button.hoverLevel(), 0.5f);
    for (int i = 0; i < 6; ++i) {
        pass();
    }
    EXPECT_FLOAT_EQ(button.hoverLevel(), 1.0f);
    pointAt(10, 10);
    pass();
    EXPECT_FLOAT_EQ(button.hoverLevel(), 0.875f);
    button.setFadeRate(0.0f);
    pass();
    EXPECT_FLOAT_EQ(button.hoverLevel(), 0.0f);
    pointAt(110, 60);
    pass();
    EXPECT_FLOAT_EQ(button.hoverLevel(), 1.0f) << "a rate of 0 jumps";
}

TEST_F(MenuButtonFixture, DrawingPicksTheAppearanceByHoverPressAndMouseButton) {
    button.setNormal(&normal, 0, 0);
    button.setHover(&hover, 0, 0);
    EXPECT_EQ(drawn(), 0xFFFF0000u) << "not hovered: the normal look";
    pointAt(110, 60);
    pass();
    EXPECT_EQ(drawn(), 0xFF00FF00u) << "hovered at level 1, mouse up";
    input.setButton(0, true);
    pass();
    EXPECT_EQ(drawn(), 0xFFFF0000u) << "no hover look while the mouse is down, and no pressed look";
    button.setPressed(&pressed, 0, 0);
    EXPECT_EQ(drawn(), 0xFF0000FFu);
    button.setOpacity(0.0f);
    EXPECT_EQ(drawn(), backgroundAt(110, 60)) << "opacity 0 draws nothing";

    button.reset();
    EXPECT_FALSE(button.isPressed());
    EXPECT_FLOAT_EQ(button.hoverLevel(), 0.0f);
}

} // namespace
