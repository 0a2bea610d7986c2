// The fast pixel loops against the plain reference loops over random pictures and spans.
#include "engine/video/PixelLoops.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

using pixel::BlitSpan;
using pixel::ScaleSpan;

// Random pixels with alphas drawn so that 0, 255 and runs of either appear often enough to
// exercise the shortcuts of the vector loops.
std::vector<uint32_t> randomPixels(std::mt19937& rng, std::size_t count) {
    std::vector<uint32_t> pixels(count);
    std::uniform_int_distribution<uint32_t> any;
    std::uniform_int_distribution<int> kind(0, 9);
    int runKind = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 8 == 0) {
            runKind = kind(rng);
        }
        uint32_t p = any(rng);
        if (runKind == 0) {
            p &= 0x00FFFFFF;
        } else if (runKind == 1) {
            p |= 0xFF000000;
        } else if (runKind == 2 && (p & 1) != 0) {
            p = 0; // exactly 0 matters to the lighten loops
        }
        pixels[i] = p;
    }
    return pixels;
}

struct Scene {
    int sourceWidth, sourceHeight, targetWidth, targetHeight;
    std::vector<uint32_t> source, target;
};

Scene randomScene(std::mt19937& rng) {
    std::uniform_int_distribution<int> size(1, 70);
    Scene s{size(rng), size(rng), size(rng) + 10, size(rng) + 10, {}, {}};
    // Slack after the picture as image blocks have it.
    s.source = randomPixels(rng, static_cast<std::size_t>(s.sourceWidth + 1) * (s.sourceHeight + 2) + 1);
    s.target = randomPixels(rng, static_cast<std::size_t>(s.targetWidth) * s.targetHeight);
    return s;
}

BlitSpan randomBlit(std::mt19937& rng, Scene& s, std::vector<uint32_t>& target) {
    auto pick = [&rng](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    const int w = pick(1, std::min(s.sourceWidth, s.targetWidth));
    const int h = pick(1, std::min(s.sourceHeight, s.targetHeight));
    const int sx = pick(0, s.sourceWidth - w), sy = pick(0, s.sourceHeight - h);
    const int dx = pick(0, s.targetWidth - w), dy = pick(0, s.targetHeight - h);
    return BlitSpan{s.source.data() + sy * s.sourceWidth + sx,
                    s.sourceWidth,
                    target.data() + dy * s.targetWidth + dx,
                    s.targetWidth,
                    w,
                    h};
}

// A scaled span whose every neighbour read stays inside the source block: the column and row
// walks are bounded so the last sample's pair lies within the picture.
ScaleSpan randomScale(std::mt19937& rng, Scene& s, std::vector<uint32_t>& target) {
    auto pick = [&rng](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    ScaleSpan span;
    span.width = pick(1, s.targetWidth);
    span.height = pick(1, s.targetHeight);
    span.startColumn = pick(0, s.sourceWidth - 1);
    span.startRow = pick(0, s.sourceHeight - 1);
    span.startFractionX = static_cast<uint32_t>(pick(0, 65534));
    span.startFractionY = static_cast<uint32_t>(pick(0, 65534));
    const uint64_t roomX = static_cast<uint64_t>(s.sourceWidth - 1 - span.startColumn) << 16;
    const uint64_t roomY = static_cast<uint64_t>(s.sourceHeight - 1 - span.startRow) << 16;
    span.stepX =
        span.width > 1 ? static_cast<uint32_t>(pick(0, static_cast<int>(roomX / (span.width - 1)))) : 0;
    span.stepY =
        span.height > 1 ? static_cast<uint32_t>(pick(0, static_cast<int>(roomY / (span.height - 1)))) : 0;
    span.source = s.source.data();
    span.sourceStride = s.sourceWidth;
    const int dx = pick(0, s.targetWidth - span.width), dy = pick(0, s.targetHeight - span.height);
    span.target = target.data() + dy * s.targetWidth + dx;
    span.targetStride = s.targetWidth;
    return span;
}

template <typename Span>
Span retarget(Span span, const std::vector<uint32_t>& from, std::vector<uint32_t>& to) {
    span.target = to.data() + (span.target - from.data());
    return span;
}

class PixelLoopsAgree : public ::testing::Test {
protected:
    std::mt19937 rng{20240611};
    std::uniform_int_distribution<int> opacity{1, 254};

    // Runs `fast` and `slow` on two copies of random targets and expects identical results.
    template <typename Make, typename Fast, typename Slow>
    void compare(Make make, Fast fast, Slow slow, int rounds = 400) {
        for (int round = 0; round < rounds; ++round) {
            Scene scene = randomScene(rng);
            std::vector<uint32_t> expected = scene.target;
            std::vector<uint32_t> actual = scene.target;
            const auto span = make(scene, expected);
            const int o = opacity(rng);
            slow(span, o);
            fast(retarget(span, expected, actual), o);
            ASSERT_EQ(actual, expected)
                << "round " << round << ", opacity " << o << ", " << span.width << " x " << span.height;
        }
    }
    auto blits() {
        return [this](Scene& s, std::vector<uint32_t>& t) { return randomBlit(rng, s, t); };
    }
    auto scales() {
        return [this](Scene& s, std::vector<uint32_t>& t) { return randomScale(rng, s, t); };
    }
};

TEST_F(PixelLoopsAgree, Copy) {
    compare(
        blits(), [](const auto& s, int) { pixel::copy(s); },
        [](const auto& s, int) { pixel::reference::copy(s); });
}

TEST_F(PixelLoopsAgree, OpacityBlend) {
    compare(blits(), pixel::blendOpacity, pixel::reference::blendOpacity);
}

TEST_F(PixelLoopsAgree, AlphaBlend) {
    compare(
        blits(), [](const auto& s, int) { pixel::blendAlpha(s); },
        [](const auto& s, int) { pixel::reference::blendAlpha(s); });
}

TEST_F(PixelLoopsAgree, AlphaTimesOpacity) {
    compare(blits(), pixel::blendAlphaOpacity, pixel::reference::blendAlphaOpacity);
}

TEST_F(PixelLoopsAgree, Lighten) {
    compare(
        blits(), [](const auto& s, int) { pixel::lighten(s); },
        [](const auto& s, int) { pixel::reference::lighten(s); });
    compare(blits(), pixel::lightenOpacity, pixel::reference::lightenOpacity);
}

TEST_F(PixelLoopsAgree, ScaledCopy) {
    compare(
        scales(), [](const auto& s, int) { pixel::scaleCopy(s); },
        [](const auto& s, int) { pixel::reference::scaleCopy(s); });
}

TEST_F(PixelLoopsAgree, ScaledAlpha) {
    compare(
        scales(), [](const auto& s, int) { pixel::scaleAlpha(s); },
        [](const auto& s, int) { pixel::reference::scaleAlpha(s); });
}

TEST_F(PixelLoopsAgree, ScaledOpacity) {
    compare(scales(), pixel::scaleOpacity, pixel::reference::scaleOpacity);
}

TEST_F(PixelLoopsAgree, ScaledAlphaTimesOpacity) {
    compare(scales(), pixel::scaleAlphaOpacity, pixel::reference::scaleAlphaOpacity);
}

// Every opacity level and every alpha, not only random ones.
TEST(PixelLoops, AllLevelsAgreeWithTheReference) {
    std::vector<uint32_t> source(256 * 4);
    for (int a = 0; a < 256; ++a) {
        source[a * 4 + 0] = (static_cast<uint32_t>(a) << 24) | 0x00FF8000u;
        source[a * 4 + 1] = (static_cast<uint32_t>(a) << 24) | 0x000080FFu;
        source[a * 4 + 2] = (static_cast<uint32_t>(a) << 24) | 0x00123456u;
        source[a * 4 + 3] = (static_cast<uint32_t>(a) << 24) | static_cast<uint32_t>(a * 0x010101);
    }
    const std::vector<uint32_t> background(source.size(), 0xFF7F00C0u);
    for (int o = 1; o <= 254; ++o) {
        std::vector<uint32_t> fast = background, slow = background;
        const BlitSpan f{source.data(), 1024, fast.data(), 1024, 1024, 1};
        const BlitSpan s{source.data(), 1024, slow.data(), 1024, 1024, 1};
        pixel::blendAlphaOpacity(f, o);
        pixel::reference::blendAlphaOpacity(s, o);
        ASSERT_EQ(fast, slow) << "opacity " << o;
        pixel::blendOpacity(f, o);
        pixel::reference::blendOpacity(s, o);
        ASSERT_EQ(fast, slow) << "opacity " << o;
    }
}

} // namespace
