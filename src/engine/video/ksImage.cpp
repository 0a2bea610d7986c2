// ksImage.cpp: loading, copying and editing images.
#include "ksImage.h"

#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "Picture.h"
#include "engine/core/FileSource.h"
#include "engine/core/ksLog.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace {

uint32_t colourBytes(int red, int green, int blue) {
    return (static_cast<uint32_t>(red & 0xFF) << 16) | (static_cast<uint32_t>(green & 0xFF) << 8) |
           static_cast<uint32_t>(blue & 0xFF);
}

// A block copy between two images, clipped to both.
struct BlockCopy {
    int sourceX, sourceY, destX, destY, width, height;
};

bool clipBlock(int64_t sx, int64_t sy, int64_t w, int64_t h, int64_t dx, int64_t dy, int sourceWidth,
               int sourceHeight, int destWidth, int destHeight, BlockCopy& out) {
    const int64_t shiftX = std::max({int64_t{0}, -sx, -dx});
    const int64_t shiftY = std::max({int64_t{0}, -sy, -dy});
    sx += shiftX, dx += shiftX, w -= shiftX;
    sy += shiftY, dy += shiftY, h -= shiftY;
    w = std::min({w, sourceWidth - sx, destWidth - dx});
    h = std::min({h, sourceHeight - sy, destHeight - dy});
    if (w <= 0 || h <= 0) {
        return false;
    }
    out = BlockCopy{static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(dx),
                    static_cast<int>(dy), static_cast<int>(w),  static_cast<int>(h)};
    return true;
}

} // namespace

ksImage::ksImage(ksCanvas& canvas)
    : m_canvas(&canvas) {}

ScreenRect ksImage::cutToImage(int x, int y, int width, int height) const {
    int64_t left = x, top = y, w = width, h = height;
    if (left < 0) {
        w += left;
        left = 0;
    }
    if (top < 0) {
        h += top;
        top = 0;
    }
    if (left >= m_width || top >= m_height || w <= 0 || h <= 0) {
        return ScreenRect::fromPositionSize(0, 0, 0, 0);
    }
    w = std::min<int64_t>(w, m_width - left);
    h = std::min<int64_t>(h, m_height - top);
    return ScreenRect::fromPositionSize(static_cast<int>(left), static_cast<int>(top), static_cast<int>(w),
                                        static_cast<int>(h));
}

ksImage::ksImage(ksCanvas& canvas, int width, int height)
    : m_canvas(&canvas) {
    if (std::optional<Picture> blank = makeBlankPicture(width, height)) {
        adopt(std::move(blank->pixels), width, height);
    } else {
        trace("ksImage::ksImage - Cannot make a blank image of %i x %i", width, height);
    }
}

ksImage::ksImage(const ksImage& other)
    : m_canvas(other.m_canvas) {
    *this = other;
}

ksImage& ksImage::operator=(const ksImage& other) {
    if (this == &other) {
        return *this;
    }
    m_canvas = other.m_canvas;
    try {
        m_pixels = other.m_pixels;
        m_width = other.m_width;
        m_height = other.m_height;
        m_hasAlpha = other.m_hasAlpha;
    } catch (const std::bad_alloc&) {
        trace("ksImage::copy - Out of memory for %i x %i", other.m_width, other.m_height);
        destroy();
    }
    return *this;
}

// A moved-from image is left empty, with its size 0 x 0 to match.
ksImage::ksImage(ksImage&& other) noexcept
    : m_canvas(other.m_canvas)
    , m_pixels(std::move(other.m_pixels))
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
    , m_hasAlpha(std::exchange(other.m_hasAlpha, false)) {
    other.m_pixels.clear();
}

ksImage& ksImage::operator=(ksImage&& other) noexcept {
    if (this != &other) {
        m_canvas = other.m_canvas;
        m_pixels = std::move(other.m_pixels);
        other.m_pixels.clear();
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_hasAlpha = std::exchange(other.m_hasAlpha, false);
    }
    return *this;
}

ksImage::~ksImage() = default;

void ksImage::destroy() {
    m_pixels = {};
    m_width = 0;
    m_height = 0;
    m_hasAlpha = false;
}

void ksImage::adopt(std::vector<uint32_t>&& pixels, int width, int height) {
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
    m_hasAlpha = false;
}

uint32_t ksImage::pixelAt(int x, int y) const {
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                    static_cast<std::size_t>(x)];
}

bool ksImage::load(const std::string& imageFile, const std::string& alphaFile, FileSource& files) {
    if (imageFile.empty()) {
        trace("ksImage::load - imageFileName is null");
        return false;
    }
    destroy();
    std::vector<uint32_t> pixels;
    ScreenRect rect;
    if (!loadFile(imageFile, pixels, rect, files)) {
        trace("ksImage::load - Could not load file %s", imageFile.c_str());
        destroy();
        return false;
    }
    adopt(std::move(pixels), rect.width, rect.height);

    std::vector<uint32_t> mask;
    ScreenRect maskRect;
    if (alphaFile.empty() || !loadFile(alphaFile, mask, maskRect, files)) {
        setAlpha(255);
        return true;
    }
    const int64_t maskArea = maskRect.area();
    if (maskArea != static_cast<int64_t>(pixelCount())) {
        trace("Alpha size (%i) != Image size (%i)", static_cast<int>(maskArea),
              static_cast<int>(pixelCount()));
        trace("Files: %s, %s", imageFile.c_str(), alphaFile.c_str());
    }
    copyAlphaBytes(mask.data(), static_cast<std::size_t>(maskArea));
    return true;
}

bool ksImage::loadFile(const std::string& fileName, std::vector<uint32_t>& inBuffer, ScreenRect& rect,
                       FileSource& files) {
    if (!inBuffer.empty()) {
        trace("ksImage::loadFile - inBuffer should not have allocated data!");
    }
    try {
        const std::optional<std::vector<uint8_t>> bytes = files.readWhole(fileName);
        if (!bytes) {
            return false;
        }
        // JPEG is probed first; a picture that has a JPEG header but fails to decode is not
        // given to the GIF decoder.
        std::optional<Picture> picture = readJpegSize(*bytes) ? decodeJpeg(*bytes) : decodeGif(*bytes);
        if (!picture) {
            return false;
        }
        inBuffer = std::move(picture->pixels);
        rect.setSize(picture->width, picture->height);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void ksImage::copyAlphaBytes(const uint32_t* mask, std::size_t maskCount) {
    const std::size_t count = pixelCount();
    const std::size_t shared = std::min(count, maskCount);
    for (std::size_t i = 0; i < shared; ++i) {
        m_pixels[i] = (m_pixels[i] & 0x00FFFFFFu) | (mask[i] << 24);
    }
    for (std::size_t i = shared; i < count; ++i) {
        m_pixels[i] |= 0xFF000000u;
    }
    m_hasAlpha = true;
}

void ksImage::setAlpha(int alpha) {
    const uint32_t value = static_cast<uint32_t>(alpha & 0xFF);
    const std::size_t count = pixelCount();
    for (std::size_t i = 0; i < count; ++i) {
        m_pixels[i] = (m_pixels[i] & 0x00FFFFFFu) | (value << 24);
    }
    m_hasAlpha = value != 255;
}

void ksImage::setAlphaFrom(const ksImage& mask) {
    if (isEmpty()) {
        return;
    }
    copyAlphaBytes(mask.m_pixels.data(), mask.pixelCount());
}

void ksImage::setColour(int red, int green, int blue) {
    fillColour(0, 0, m_width, m_height, red, green, blue);
}

void ksImage::fillColour(int x, int y, int width, int height, int red, int green, int blue) {
    const ScreenRect area = cutToImage(x, y, width, height);
    const uint32_t colour = colourBytes(red, green, blue);
    for (int row = area.top; row < area.top + area.height; ++row) {
        uint32_t* line = m_pixels.data() + static_cast<std::size_t>(row) * m_width;
        for (int col = area.left; col < area.left + area.width; ++col) {
            line[col] = (line[col] & 0xFF000000u) | colour;
        }
    }
}

void ksImage::setAlphaRect(int x, int y, int width, int height, int alpha) {
    const ScreenRect area = cutToImage(x, y, width, height);
    const uint32_t value = static_cast<uint32_t>(alpha & 0xFF) << 24;
    for (int row = area.top; row < area.top + area.height; ++row) {
        uint32_t* line = m_pixels.data() + static_cast<std::size_t>(row) * m_width;
        for (int col = area.left; col < area.left + area.width; ++col) {
            line[col] = (line[col] & 0x00FFFFFFu) | value;
        }
    }
    if (!area.isEmpty() && value != 0xFF000000u) {
        m_hasAlpha = true;
    }
}

void ksImage::copyPixelsFrom(const ksImage& source, int sourceX, int sourceY, int width, int height,
                             int destX, int destY) {
    BlockCopy block;
    if (!clipBlock(sourceX, sourceY, width, height, destX, destY, source.m_width, source.m_height, m_width,
                   m_height, block)) {
        return;
    }
    for (int row = 0; row < block.height; ++row) {
        const uint32_t* from = source.m_pixels.data() +
                               static_cast<std::size_t>(block.sourceY + row) * source.m_width + block.sourceX;
        uint32_t* to = m_pixels.data() + static_cast<std::size_t>(block.destY + row) * m_width + block.destX;
        std::copy_n(from, block.width, to);
    }
    m_hasAlpha = m_hasAlpha || source.m_hasAlpha;
}

void ksImage::copyAlphaFrom(const ksImage& mask, int sourceX, int sourceY, int width, int height, int destX,
                            int destY) {
    BlockCopy block;
    if (!clipBlock(sourceX, sourceY, width, height, destX, destY, mask.m_width, mask.m_height, m_width,
                   m_height, block)) {
        return;
    }
    for (int row = 0; row < block.height; ++row) {
        const uint32_t* from = mask.m_pixels.data() +
                               static_cast<std::size_t>(block.sourceY + row) * mask.m_width + block.sourceX;
        uint32_t* to = m_pixels.data() + static_cast<std::size_t>(block.destY + row) * m_width + block.destX;
        for (int i = 0; i < block.width; ++i) {
            to[i] = (to[i] & 0x00FFFFFFu) | (from[i] << 24);
        }
    }
    m_hasAlpha = true;
}
