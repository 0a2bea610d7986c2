// Every vector loop set against the plain reference loops over random pictures and spans.
#include "engine/video/PixelLoops.h"

#include <random>
#include <string>
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

// Each vector set against the reference set: both run on copies of the same random target.
class VectorLoops : public ::testing::TestWithParam<const pixel::LoopSet*> {
protected:
    std::mt19937 rng{20240611};
    std::uniform_int_distribution<int> opacity{1, 254};

    template <typename Make, typename Run>
    void compare(Make make, Run run, int rounds = 400) {
        const pixel::LoopSet& fast = *GetParam();
        for (int round = 0; round < rounds; ++round) {
            Scene scene = randomScene(rng);
            std::vector<uint32_t> expected = scene.target;
            std::vector<uint32_t> actual = scene.target;
            const auto span = make(scene, expected);
            const int o = opacity(rng);
            run(pixel::referenceLoops(), span, o);
            run(fast, retarget(span, expected, actual), o);
            ASSERT_EQ(actual, expected) << fast.name << ", round " << round << ", opacity " << o << ", "
                                        << span.width << " x " << span.height;
        }
    }
    auto blits() {
        return [this](Scene& s, std::vector<uint32_t>& t) { return randomBlit(rng, s, t); };
    }
    auto scales() {
        return [this](Scene& s, std::vector<uint32_t>& t) { return randomScale(rng, s, t); };
    }
};

using pixel::LoopSet;

TEST_P(VectorLoops, BlitsAgreeWithTheReference) {
    using Blit = void (*)(const LoopSet&, const BlitSpan&, int);
    const std::pair<const char*, Blit> loops[] = {
        {"copy", [](const LoopSet& set, const BlitSpan& s, int) { set.copy(s); }},
        {"opacity", [](const LoopSet& set, const BlitSpan& s, int o) { set.blendOpacity(s, o); }},
        {"alpha", [](const LoopSet& set, const BlitSpan& s, int) { set.blendAlpha(s); }},
        {"alpha x opacity",
         [](const LoopSet& set, const BlitSpan& s, int o) { set.blendAlphaOpacity(s, o); }},
        {"lighten", [](const LoopSet& set, const BlitSpan& s, int) { set.lighten(s); }},
        {"lighten x opacity", [](const LoopSet& set, const BlitSpan& s, int o) { set.lightenOpacity(s, o); }},
    };
    for (const auto& [name, run] : loops) {
        SCOPED_TRACE(name);
        compare(blits(), run);
    }
}

TEST_P(VectorLoops, ScaledDrawingAgreesWithTheReference) {
    using Scale = void (*)(const LoopSet&, const ScaleSpan&, int);
    const std::pair<const char*, Scale> loops[] = {
        {"copy", [](const LoopSet& set, const ScaleSpan& s, int) { set.scaleCopy(s); }},
        {"alpha", [](const LoopSet& set, const ScaleSpan& s, int) { set.scaleAlpha(s); }},
        {"opacity", [](const LoopSet& set, const ScaleSpan& s, int o) { set.scaleOpacity(s, o); }},
        {"alpha x opacity",
         [](const LoopSet& set, const ScaleSpan& s, int o) { set.scaleAlphaOpacity(s, o); }},
    };
    for (const auto& [name, run] : loops) {
        SCOPED_TRACE(name);
        compare(scales(), run);
    }
}

// Every opacity level and every alpha, not only random ones.
TEST_P(VectorLoops, AllLevelsAgreeWithTheReference) {
    const LoopSet& fast = *GetParam();
    std::vector<uint32_t> source(256 * 4);
    for (int a = 0; a < 256; ++a) {
        source[a * 4 + 0] = (static_cast<uint32_t>(a) << 24) | 0x00FF8000u;
        source[a * 4 + 1] = (static_cast<uint32_t>(a) << 24) | 0x000080FFu;
        source[a * 4 + 2] = (static_cast<uint32_t>(a) << 24) | 0x00123456u;
        source[a * 4 + 3] = (static_cast<uint32_t>(a) << 24) | static_cast<uint32_t>(a * 0x010101);
    }
    const std::vector<uint32_t> background(source.size(), 0x7F7F00C0u);
    std::vector<uint32_t> actual = background, expected = background;
    const BlitSpan f{source.data(), 1024, actual.data(), 1024, 1024, 1};
    const BlitSpan r{source.data(), 1024, expected.data(), 1024, 1024, 1};
    fast.blendAlpha(f);
    pixel::referenceLoops().blendAlpha(r);
    ASSERT_EQ(actual, expected);
    for (int o = 1; o <= 254; ++o) {
        fast.blendAlphaOpacity(f, o);
        pixel::referenceLoops().blendAlphaOpacity(r, o);
        ASSERT_EQ(actual, expected) << "opacity " << o;
        fast.blendOpacity(f, o);
        pixel::referenceLoops().blendOpacity(r, o);
        ASSERT_EQ(actual, expected) << "opacity " << o;
    }
}

std::vector<const LoopSet*> vectorSets() {
    const auto sets = pixel::vectorLoops();
    return {sets.begin(), sets.end()};
}

INSTANTIATE_TEST_SUITE_P(EachSet, VectorLoops, ::testing::ValuesIn(vectorSets()),
                         [](const auto& info) { return std::string(info.param->name); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(VectorLoops);

TEST(PixelLoops, TheFastestSetRunsTheFreeFunctions) {
    const auto sets = pixel::vectorLoops();
    EXPECT_EQ(&pixel::activeLoops(), sets.empty() ? &pixel::referenceLoops() : sets.front());
}

} // namespace
