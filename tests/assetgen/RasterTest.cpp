// RasterTest.cpp: straight alpha out of cairo, compositing and colour bleeding.
#include "Raster.h"

#include "Sketch.h"

#include <gtest/gtest.h>

namespace {

TEST(Sketch, HandsOverUnpremultipliedColourAndDrawsARasterBackWithoutChangingIt) {
    Sketch sketch(4, 4);
    cairo_set_source_rgba(sketch.cr(), 1.0, 0.5, 0.0, 0.5);
    cairo_paint(sketch.cr());
    const Raster raster = sketch.toRaster();
    const uint32_t p = raster.at(2, 2);
    EXPECT_NEAR(alphaOf(p), 128, 1);
    EXPECT_EQ(redOf(p), 255) << "premultiplied cairo data would give about 128";
    EXPECT_NEAR(greenOf(p), 128, 2);
    EXPECT_EQ(blueOf(p), 0);

    Raster source(3, 2);
    source.set(0, 0, packArgb(255, 10, 200, 30));
    source.set(1, 1, packArgb(128, 250, 0, 0));
    Sketch redraw(3, 2);
    redraw.drawRaster(source, 0, 0);
    const Raster back = redraw.toRaster();
    EXPECT_EQ(back.at(0, 0), source.at(0, 0));
    EXPECT_EQ(alphaOf(back.at(1, 1)), 128);
    EXPECT_NEAR(redOf(back.at(1, 1)), 250, 2);
    EXPECT_EQ(back.at(2, 0), 0u);
}

TEST(Raster, CompositesStraightAlphaOverAndCropsOutsideAsTransparent) {
    Raster base(2, 1, packArgb(255, 0, 0, 200));
    Raster top(1, 1, packArgb(128, 255, 255, 255));
    base.composite(top, 1, 0);
    EXPECT_EQ(base.at(0, 0), packArgb(255, 0, 0, 200));
    EXPECT_EQ(alphaOf(base.at(1, 0)), 255);
    EXPECT_NEAR(redOf(base.at(1, 0)), 128, 1);
    EXPECT_NEAR(blueOf(base.at(1, 0)), 228, 1);

    Raster r(2, 2, packArgb(255, 1, 2, 3));
    const Raster c = r.cropped(1, 1, 2, 2);
    EXPECT_EQ(c.at(0, 0), packArgb(255, 1, 2, 3));
    EXPECT_EQ(c.at(1, 1), 0u) << "cropped outside the raster";
}

TEST(Raster, BleedingFillsOnlyTransparentPixelsFromTheirNeighbours) {
    Raster r(5, 1);
    r.set(0, 0, packArgb(255, 200, 100, 50));
    r.set(4, 0, packArgb(10, 0, 0, 250));
    r.bleedColours();
    EXPECT_EQ(r.at(0, 0), packArgb(255, 200, 100, 50)) << "visible pixels keep their colour";
    EXPECT_EQ(r.at(4, 0), packArgb(10, 0, 0, 250));
    EXPECT_EQ(r.at(1, 0), packArgb(0, 200, 100, 50)) << "alpha stays 0";
    EXPECT_EQ(r.at(3, 0), packArgb(0, 0, 0, 250));
    EXPECT_TRUE(r.hasTransparency());
}

} // namespace
