// The window-surface display under SDL's dummy video driver: what reaches the window, where, and
// how pointer positions map back to the game.
#include "platform/SurfaceVideo.h"

#include <cstdlib>
#include <cstring>

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct SurfaceWindow : ::testing::Test {
    SDL_Window* window = nullptr;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override {
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    void open(int width, int height) {
        window = SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
    }
    // Game pixels written through the back surface, as the canvas writes them.
    static void paint(SurfaceVideo& video, int x, int y, int w, int h, uint32_t colour) {
        const auto lock = video.lockBackSurface();
        ASSERT_TRUE(lock);
        for (int row = y; row < y + h; ++row) {
            auto* line = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(lock->pixels) + row * lock->pitch);
            std::fill(line + x, line + x + w, colour);
        }
        const ScreenRect rect = ScreenRect::fromPositionSize(x, y, w, h);
        video.unlockBackSurface({&rect, 1});
    }
    uint32_t windowPixel(int x, int y) const {
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        uint32_t pixel = 0;
        std::memcpy(&pixel, static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * 4, 4);
        return pixel & 0xFFFFFF;
    }
    // Smooth scaling goes through the engine's sampler, whose weights may take a level or two
    // off a channel.
    static bool near(uint32_t a, uint32_t b) {
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(SurfaceWindow, AWindowOfTheGamesSizeShowsThePixelsAsTheyAre) {
    open(640, 480);
    SurfaceVideo video(window, 640, 480);
    ASSERT_TRUE(video.init(32));
    paint(video, 100, 50, 4, 4, 0xFF3366);
    video.show();
    EXPECT_EQ(windowPixel(100, 50), 0xFF3366u);
    EXPECT_EQ(windowPixel(104, 50), 0u);
    float x = 0, y = 0;
    video.windowToGame(100, 50, x, y);
    EXPECT_FLOAT_EQ(x, 100.0f);
    EXPECT_FLOAT_EQ(y, 50.0f);
}

TEST_F(SurfaceWindow, AWiderWindowScalesSmoothlyBetweenBlackBars) {
    open(1000, 600); // the picture is 800 x 600 between 100-pixel bars
    SurfaceVideo video(window, 640, 480);
    ASSERT_TRUE(video.init(32));
    paint(video, 0, 0, 640, 480, 0x00FF00);
    video.show();
    EXPECT_EQ(windowPixel(50, 300), 0u) << "the bar stays black";
    EXPECT_TRUE(near(windowPixel(500, 300), 0x00FF00u));
    EXPECT_TRUE(near(windowPixel(899, 599), 0x00FF00u)) << "the last row and column repeat the edge";
    EXPECT_EQ(windowPixel(900, 300), 0u);

    // A later change goes through as the area it covers, the rest stays as shown.
    paint(video, 320, 240, 10, 10, 0x0000FF);
    video.show();
    EXPECT_TRUE(near(windowPixel(100 + 325 * 800 / 640, 245 * 600 / 480), 0x0000FFu));
    EXPECT_TRUE(near(windowPixel(200, 100), 0x00FF00u));

    float x = 0, y = 0;
    video.windowToGame(500, 300, x, y);
    EXPECT_FLOAT_EQ(x, 320.0f);
    EXPECT_FLOAT_EQ(y, 240.0f);
    video.windowToGame(50, 300, x, y);
    EXPECT_LT(x, 0.0f) << "a click in the bar lies outside the game";
}

TEST_F(SurfaceWindow, AHugeWindowRepeatsPixelsInWholeSteps) {
    open(3840, 2160); // four steps: 2560 x 1920 at (640, 120)
    SurfaceVideo video(window, 640, 480);
    ASSERT_TRUE(video.init(32));
    paint(video, 0, 0, 1, 1, 0xABCDEF);
    paint(video, 1, 0, 1, 1, 0x123456);
    video.show();
    EXPECT_EQ(windowPixel(640, 120), 0xABCDEFu);
    EXPECT_EQ(windowPixel(643, 123), 0xABCDEFu);
    EXPECT_EQ(windowPixel(644, 120), 0x123456u) << "crisp: no blend between neighbours";
    EXPECT_EQ(windowPixel(639, 120), 0u);
    int wx = 0, wy = 0;
    video.gameToWindow(1, 0, wx, wy);
    EXPECT_EQ(wx, 644);
    EXPECT_EQ(wy, 120);
}

TEST(Letterbox, FitsTheLargestPictureOfTheGamesShape) {
    const Letterbox wide = Letterbox::fit(640, 480, 1920, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    const Letterbox tall = Letterbox::fit(640, 480, 640, 1000);
    EXPECT_EQ(tall.y, 260);
    EXPECT_EQ(tall.height, 480);
    const Letterbox small = Letterbox::fitWholeSteps(640, 480, 500, 400);
    EXPECT_EQ(small.width, 640) << "never below one step";
}

} // namespace
