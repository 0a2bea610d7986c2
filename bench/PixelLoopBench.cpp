// PixelLoopBench.cpp: the engine's image drawing against pixman on the same 640 x 480 frames.
//
// Each pair does the same work on the same pixels: `ours/OP` through ksImage's public drawing
// operations (clipping and loop choice included), `pixman/OP` through pixman_image_composite32
// with the operator and filter that match it. Precision differs by design, not by shortcut:
//  - pixman keeps premultiplied colour and divides by 255 with rounding (x * a / 255), where the
//    engine blends straight colour with a floored >> 8, as its pictures were tuned with;
//  - pixman's bilinear filter uses 7-bit weights (0.42) and weights that sum to one, the engine's
//    8-bit weights summing to 255 x 255 (white samples to 253);
//  - pixman's opacity is a solid mask in IN/OVER (s x m + d x (1 - s_a x m)), the engine's an
//    opacity level of 1 to 254 that fades the alpha first.
// Blends use a source with every alpha value in random order, so neither side can take its
// all-transparent or all-opaque shortcuts; the colour bytes never exceed the alpha, so the same
// pixels are valid premultiplied data for pixman.
#include "engine/video/PixelLoops.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <pixman.h>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kPixels = kWidth * kHeight;
// The scaled source: 400 x 300 stretched to the whole frame (a factor of 1.6).
constexpr int kScaledWidth = 400;
constexpr int kScaledHeight = 300;

struct PixmanImageDeleter {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanImageDeleter>;

// Pixels with random colour and alpha, colour bytes at most the alpha.
void fillRandom(uint32_t* pixels, int count, bool opaque, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<uint32_t> byte(0, 255);
    for (int i = 0; i < count; ++i) {
        const uint32_t a = opaque ? 255 : byte(rng);
        const auto below = [&] { return a == 0 ? 0 : byte(rng) % (a + 1); };
        pixels[i] = (a << 24) | (below() << 16) | (below() << 8) | below();
    }
}

// One engine canvas and its images, and pixman views of the same pixels.
struct Frames {
    MemoryVideo video{kWidth, kHeight};
    ksCanvas canvas{video};
    ksImage opaque{canvas, kWidth, kHeight};
    ksImage translucent{canvas, kWidth, kHeight};
    ksImage small{canvas, kScaledWidth, kScaledHeight};
    std::vector<uint32_t> pixmanTarget = std::vector<uint32_t>(kPixels);

    PixmanImage pixmanOpaque, pixmanTranslucent, pixmanSmall, pixmanDest, halfMask;

    Frames() {
        fillRandom(opaque.getPixels(), kPixels, true, 1);
        opaque.setAlpha(255);
        fillRandom(translucent.getPixels(), kPixels, false, 2);
        ksImage alphas(canvas, kWidth, kHeight);
        for (int i = 0; i < kPixels; ++i) {
            alphas.getPixels()[i] = translucent.getPixels()[i] >> 24;
        }
        translucent.setAlphaFrom(alphas);
        fillRandom(small.getPixels(), kScaledWidth * kScaledHeight, true, 3);
        small.setAlpha(255);
        fillRandom(canvas.target(), kPixels, true, 4);
        std::memcpy(pixmanTarget.data(), canvas.target(), kPixels * sizeof(uint32_t));

        pixmanOpaque = wrap(PIXMAN_x8r8g8b8, opaque, kWidth, kHeight);
        pixmanTranslucent = wrap(PIXMAN_a8r8g8b8, translucent, kWidth, kHeight);
        pixmanSmall = wrap(PIXMAN_a8r8g8b8, small, kScaledWidth, kScaledHeight);
        pixmanDest.reset(pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, pixmanTarget.data(),
                                                  kWidth * static_cast<int>(sizeof(uint32_t))));
        const pixman_color_t half = {0, 0, 0, 0x8000};
        halfMask.reset(pixman_image_create_solid_fill(&half));

        pixman_transform_t scale;
        pixman_transform_init_scale(&scale, pixman_double_to_fixed(double(kScaledWidth) / kWidth),
                                    pixman_double_to_fixed(double(kScaledHeight) / kHeight));
        pixman_image_set_transform(pixmanSmall.get(), &scale);
        pixman_image_set_filter(pixmanSmall.get(), PIXMAN_FILTER_BILINEAR, nullptr, 0);
        pixman_image_set_repeat(pixmanSmall.get(), PIXMAN_REPEAT_PAD);
    }

    static PixmanImage wrap(pixman_format_code_t format, ksImage& image, int width, int height) {
        return PixmanImage(pixman_image_create_bits(format, width, height, image.getPixels(),
                                                    width * static_cast<int>(sizeof(uint32_t))));
    }
    void composite(pixman_op_t op, pixman_image_t* source, pixman_image_t* mask) {
        pixman_image_composite32(op, source, mask, pixmanDest.get(), 0, 0, 0, 0, 0, 0, kWidth, kHeight);
    }
};

Frames& frames() {
    static Frames instance;
    return instance;
}

template <typename Draw>
void run(benchmark::State& state, Draw draw) {
    Frames& f = frames();
    for (auto _ : state) {
        draw(f);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
    state.SetBytesProcessed(state.iterations() * kPixels * static_cast<int64_t>(sizeof(uint32_t)));
}

// The physical floor: one frame's worth of bytes moved by memcpy.
void frameMemcpy(benchmark::State& state) {
    std::vector<uint32_t> from(kPixels, 0x12345678u), to(kPixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kPixels * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
    state.SetBytesProcessed(state.iterations() * kPixels * static_cast<int64_t>(sizeof(uint32_t)));
}

} // namespace

BENCHMARK(frameMemcpy)->Name("ours/frame_memcpy");

// A plain copy: pixman's SRC.
BENCHMARK_CAPTURE(run, ours_copy, [](Frames& f) { f.opaque.draw(0, 0); })->Name("ours/copy");
BENCHMARK_CAPTURE(run, pixman_copy, [](Frames& f) {
    f.composite(PIXMAN_OP_SRC, f.pixmanOpaque.get(), nullptr);
})->Name("pixman/copy");

// An opaque picture at half opacity: pixman's OVER with a solid half-alpha mask.
BENCHMARK_CAPTURE(run, ours_opacity, [](Frames& f) { f.opaque.drawFaded(0, 0, 0.5f); })->Name("ours/opacity");
BENCHMARK_CAPTURE(run, pixman_opacity, [](Frames& f) {
    f.composite(PIXMAN_OP_OVER, f.pixmanOpaque.get(), f.halfMask.get());
})->Name("pixman/opacity");

// A translucent picture under its alpha: pixman's OVER.
BENCHMARK_CAPTURE(run, ours_alpha, [](Frames& f) { f.translucent.draw(0, 0); })->Name("ours/alpha");
BENCHMARK_CAPTURE(run, pixman_alpha, [](Frames& f) {
    f.composite(PIXMAN_OP_OVER, f.pixmanTranslucent.get(), nullptr);
})->Name("pixman/alpha");

// Both at once: pixman's OVER with the solid mask.
BENCHMARK_CAPTURE(run, ours_alpha_opacity, [](Frames& f) {
    f.translucent.drawFaded(0, 0, 0.5f);
})->Name("ours/alpha_opacity");
BENCHMARK_CAPTURE(run, pixman_alpha_opacity, [](Frames& f) {
    f.composite(PIXMAN_OP_OVER, f.pixmanTranslucent.get(), f.halfMask.get());
})->Name("pixman/alpha_opacity");

// Bilinear stretching of an opaque 400 x 300 picture to the frame: pixman's SRC with its
// bilinear filter (edge pixels padded).
BENCHMARK_CAPTURE(run, ours_scaled, [](Frames& f) {
    f.small.drawScaled(0, 0, float(kWidth), float(kHeight), 0, 0, kScaledWidth, kScaledHeight);
})->Name("ours/scaled");
BENCHMARK_CAPTURE(run, pixman_scaled, [](Frames& f) {
    f.composite(PIXMAN_OP_SRC, f.pixmanSmall.get(), nullptr);
})->Name("pixman/scaled");

namespace {

// The loops of one set on the same frames, without ksImage around them: `<set>/OP`. On a
// processor with AVX2 this shows what the SSE2 set, the fallback of older processors, achieves.
void registerLoopSet(const pixel::LoopSet& set) {
    const auto blit = [](const ksImage& image) {
        Frames& f = frames();
        return pixel::BlitSpan{image.getPixels(), kWidth, f.canvas.target(), kWidth, kWidth, kHeight};
    };
    // 400 x 300 onto 640 x 480 in the sampler's fixed point, as drawScaled sets it up.
    const auto stretch = [] {
        Frames& f = frames();
        pixel::ScaleSpan span;
        span.source = f.small.getPixels();
        span.sourceStride = kScaledWidth;
        span.target = f.canvas.target();
        span.targetStride = kWidth;
        span.width = kWidth;
        span.height = kHeight;
        span.stepX = static_cast<uint32_t>(kScaledWidth * 65536 / kWidth);
        span.stepY = static_cast<uint32_t>(kScaledHeight * 65536 / kHeight);
        return span;
    };
    const std::string prefix = std::string(set.name) + "/";
    const pixel::LoopSet* loops = &set;
    benchmark::RegisterBenchmark((prefix + "opacity").c_str(), [=](benchmark::State& state) {
        run(state, [=](Frames& f) { loops->blendOpacity(blit(f.opaque), 127); });
    });
    benchmark::RegisterBenchmark((prefix + "alpha").c_str(), [=](benchmark::State& state) {
        run(state, [=](Frames& f) { loops->blendAlpha(blit(f.translucent)); });
    });
    benchmark::RegisterBenchmark((prefix + "alpha_opacity").c_str(), [=](benchmark::State& state) {
        run(state, [=](Frames& f) { loops->blendAlphaOpacity(blit(f.translucent), 127); });
    });
    benchmark::RegisterBenchmark((prefix + "scaled").c_str(), [=](benchmark::State& state) {
        run(state, [=](Frames&) { loops->scaleCopy(stretch()); });
    });
}

} // namespace

int main(int argc, char** argv) {
    for (const pixel::LoopSet* set : pixel::vectorLoops()) {
        registerLoopSet(*set);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
