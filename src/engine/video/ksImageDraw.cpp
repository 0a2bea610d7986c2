// ksImageDraw.cpp: the drawing operations of ksImage: clipping, loop choice and dirty rectangles.
#include "PixelLoops.h"
#include "PixelMath.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"
#include "ksCanvas.h"
#include "ksImage.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int kNoOpacity = 255;

} // namespace

void ksImage::draw(int x, int y) const {
    blit(x, y, ScreenRect::fromPositionSize(0, 0, m_width, m_height), kNoOpacity, Blit::Normal);
}

void ksImage::drawPart(int x, int y, int sourceX, int sourceY, int width, int height) const {
    blit(x, y, cutToImage(sourceX, sourceY, width, height), kNoOpacity, Blit::Normal);
}

void ksImage::drawFaded(int x, int y, float opacity) const {
    const int level = pixel::opacityLevel(opacity);
    if (level >= 1) {
        blit(x, y, ScreenRect::fromPositionSize(0, 0, m_width, m_height), std::min(level, kNoOpacity),
             Blit::Normal);
    }
}

void ksImage::drawPartFaded(int x, int y, int sourceX, int sourceY, int width, int height,
                            float opacity) const {
    const int level = pixel::opacityLevel(opacity);
    if (level >= 1) {
        blit(x, y, cutToImage(sourceX, sourceY, width, height), std::min(level, kNoOpacity), Blit::Normal);
    }
}

void ksImage::drawLighten(int x, int y, float opacity) const {
    const int level = pixel::opacityLevel(opacity);
    if (level >= 1) {
        blit(x, y, ScreenRect::fromPositionSize(0, 0, m_width, m_height), std::min(level, kNoOpacity),
             Blit::Lighten);
    }
}

void ksImage::drawScaled(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight) const {
    blitScaled(x, y, destWidth, destHeight, cutToImage(sourceX, sourceY, sourceWidth, sourceHeight),
               kNoOpacity);
}

void ksImage::drawScaledFaded(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY,
                              int sourceWidth, int sourceHeight, float opacity) const {
    const int level = pixel::opacityLevel(opacity);
    if (level >= 1) {
        blitScaled(x, y, destWidth, destHeight, cutToImage(sourceX, sourceY, sourceWidth, sourceHeight),
                   std::min(level, kNoOpacity));
    }
}

void ksImage::blit(int x, int y, const ScreenRect& source, int opacity, Blit kind) const {
    if (isEmpty() || source.isEmpty()) {
        return;
    }
    const ScreenRect& clip = m_canvas->clipRect();
    const int64_t right = int64_t{x} + source.width - 1;
    const int64_t bottom = int64_t{y} + source.height - 1;
    if (x > clip.right || y > clip.bottom || right < clip.left || bottom < clip.top) {
        return;
    }
    const int destX = std::max(x, clip.left);
    const int destY = std::max(y, clip.top);
    const int width = static_cast<int>(std::min<int64_t>(right, clip.right) - destX + 1);
    const int height = static_cast<int>(std::min<int64_t>(bottom, clip.bottom) - destY + 1);
    if (width <= 0 || height <= 0) {
        return; // an empty clip rectangle
    }
    const int sourceX = source.left + (destX - x);
    const int sourceY = source.top + (destY - y);

    const int targetStride = m_canvas->stride();
    const pixel::BlitSpan span{pixels().data() + static_cast<std::ptrdiff_t>(sourceY) * m_width + sourceX,
                               m_width,
                               m_canvas->target() + static_cast<std::ptrdiff_t>(destY) * targetStride + destX,
                               targetStride,
                               width,
                               height};
    if (kind == Blit::Lighten) {
        opacity == kNoOpacity ? pixel::lighten(span) : pixel::lightenOpacity(span, opacity);
    } else if (opacity == kNoOpacity) {
        m_hasAlpha ? pixel::blendAlpha(span) : pixel::copy(span);
    } else {
        m_hasAlpha ? pixel::blendAlphaOpacity(span, opacity) : pixel::blendOpacity(span, opacity);
    }
    m_canvas->addDirty(destX, destY, width, height);
}

void ksImage::blitScaled(int x, int y, float destWidth, float destHeight, const ScreenRect& source,
                         int opacity) const {
    // NaN sizes fail these tests too.
    if (isEmpty() || source.isEmpty() || !(destWidth > 0.0f) || !(destHeight > 0.0f)) {
        return;
    }
    const ScreenRect& clip = m_canvas->clipRect();
    float dx = static_cast<float>(x), dy = static_cast<float>(y), dw = destWidth, dh = destHeight;
    float sx = static_cast<float>(source.left), sy = static_cast<float>(source.top);
    float sw = static_cast<float>(source.width), sh = static_cast<float>(source.height);
    const float right = dx + dw - 1.0f, bottom = dy + dh - 1.0f;
    if (dx > static_cast<float>(clip.right) || dy > static_cast<float>(clip.bottom) ||
        right < static_cast<float>(clip.left) || bottom < static_cast<float>(clip.top)) {
        return;
    }
    // What is cut from a side of the destination is cut from the source in proportion.
    const float ratioX = sw / dw, ratioY = sh / dh;
    if (dx < static_cast<float>(clip.left)) {
        const float cut = static_cast<float>(clip.left) - dx;
        sx += cut * ratioX;
        sw -= cut * ratioX;
        dw -= cut;
        dx = static_cast<float>(clip.left);
    }
    if (dy < static_cast<float>(clip.top)) {
        const float cut = static_cast<float>(clip.top) - dy;
        sy += cut * ratioY;
        sh -= cut * ratioY;
        dh -= cut;
        dy = static_cast<float>(clip.top);
    }
    if (right > static_cast<float>(clip.right)) {
        const float cut = right - static_cast<float>(clip.right);
        dw -= cut;
        sw -= cut * ratioX;
    }
    if (bottom > static_cast<float>(clip.bottom)) {
        const float cut = bottom - static_cast<float>(clip.bottom);
        dh -= cut;
        sh -= cut * ratioY;
    }
    if (!(sw > 0.0f) || !(sh > 0.0f) || !(dw > 0.0f) || !(dh > 0.0f)) {
        return;
    }

    // Into the sampler's integers. The start fractions keep their modulus of 65535.
    const int destX = truncSat(dx), destY = truncSat(dy);
    const int width = std::min(truncSat(dw), clip.right - destX + 1);
    const int height = std::min(truncSat(dh), clip.bottom - destY + 1);
    const int64_t stepX = truncSat(sw * 65536.0f / dw), stepY = truncSat(sh * 65536.0f / dh);
    const int64_t startColumn = truncSat(sx), startRow = truncSat(sy);
    const int64_t startFractionX = (int64_t{truncSat(sx / sw * dw)} * stepX) % 65535;
    const int64_t startFractionY = (int64_t{truncSat(sy / sh * dh)} * stepY) % 65535;
    if (width <= 0 || height <= 0) {
        return;
    }
    // The last neighbour read must stay inside the block. The block's slack makes this hold for
    // every drawing the clipping above can produce; the test keeps a bad span from ever
    // reaching the loops.
    const int64_t lastColumn = startColumn + ((startFractionX + (width - 1) * stepX) >> 16);
    const int64_t lastRow = startRow + ((startFractionY + (height - 1) * stepY) >> 16);
    const int64_t lastRead = (lastRow + 1) * m_width + lastColumn + 1;
    if (startColumn < 0 || startRow < 0 || startFractionX < 0 || startFractionY < 0 ||
        lastRead >= static_cast<int64_t>(pixels().size())) {
        trace("ksImage::drawScaled - Sampling outside the image (%i x %i)", m_width, m_height);
        return;
    }

    const int targetStride = m_canvas->stride();
    const pixel::ScaleSpan span{pixels().data(),
                                m_width,
                                m_canvas->target() + static_cast<std::ptrdiff_t>(destY) * targetStride +
                                    destX,
                                targetStride,
                                width,
                                height,
                                static_cast<int>(startColumn),
                                static_cast<int>(startRow),
                                static_cast<uint32_t>(startFractionX),
                                static_cast<uint32_t>(startFractionY),
                                static_cast<uint32_t>(stepX),
                                static_cast<uint32_t>(stepY)};
    if (opacity == kNoOpacity) {
        m_hasAlpha ? pixel::scaleAlpha(span) : pixel::scaleCopy(span);
    } else {
        m_hasAlpha ? pixel::scaleAlphaOpacity(span, opacity) : pixel::scaleOpacity(span, opacity);
    }
    m_canvas->addDirty(destX, destY, width, height);
}
