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

// Pixel i's alpha becomes the blue byte of mask pixel i; pixels past a smaller mask are opaque.
void applyMask(uint32_t* pixels, std::size_t count, const uint32_t* mask, std::size_t maskCount) {
    const std::size_t shared = std::min(count, maskCount);
    for (std::size_t i = 0; i < shared; ++i) {
        pixels[i] = (pixels[i] & 0x00FFFFFFu) | (mask[i] << 24);
    }
    for (std::size_t i = shared; i < count; ++i) {
        pixels[i] |= 0xFF000000u;
    }
}

void fillAlpha(uint32_t* pixels, std::size_t count, uint32_t alpha) {
    for (std::size_t i = 0; i < count; ++i) {
        pixels[i] = (pixels[i] & 0x00FFFFFFu) | (alpha << 24);
    }
}

// The size a picture file declares in its header, without decoding it.
std::optional<PictureSize> readPictureSize(std::span<const uint8_t> bytes) {
    if (auto size = readJpegSize(bytes)) {
        return size;
    }
    if (!looksLikeGif(bytes)) {
        return std::nullopt;
    }
    return PictureSize{bytes[6] | (bytes[7] << 8), bytes[8] | (bytes[9] << 8)};
}

} // namespace

// Where the pixels of an image loaded for first use come from.
struct ksImage::PictureFiles {
    FileSource* files;
    std::string imageFile;
    std::string alphaFile;
};

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
    if (!isValidImageSize(width, height)) {
        trace("ksImage::ksImage - Cannot make a blank image of %i x %i", width, height);
        return;
    }
    // The block is made when something first needs the pixels, so scratch pictures (a fade's
    // last picture, banner plates, page buffers) cost nothing until they are used.
    m_width = width;
    m_height = height;
    m_blankOnFirstUse = true;
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
    m_pictureFiles.reset();
    m_blankOnFirstUse = false;
    try {
        m_pixels = other.pixels();
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
    , m_hasAlpha(std::exchange(other.m_hasAlpha, false))
    , m_pictureFiles(std::move(other.m_pictureFiles))
    , m_blankOnFirstUse(std::exchange(other.m_blankOnFirstUse, false)) {
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
        m_pictureFiles = std::move(other.m_pictureFiles);
        m_blankOnFirstUse = std::exchange(other.m_blankOnFirstUse, false);
    }
    return *this;
}

ksImage::~ksImage() = default;

void ksImage::destroy() {
    m_pictureFiles.reset();
    m_blankOnFirstUse = false;
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

std::vector<uint32_t>& ksImage::pixels() const {
    if (m_pictureFiles) {
        decodeFirstUse();
    } else if (m_blankOnFirstUse) {
        makeBlankFirstUse();
    }
    return m_pixels;
}

void ksImage::makeBlankFirstUse() const {
    m_blankOnFirstUse = false;
    if (std::optional<Picture> blank = makeBlankPicture(m_width, m_height)) {
        m_pixels = std::move(blank->pixels);
    } else {
        // Its size was already handed out: without memory for it, it draws nothing.
        trace("ksImage::ksImage - Cannot make a blank image of %i x %i", m_width, m_height);
        m_width = m_height = 0;
    }
}

uint32_t ksImage::pixelAt(int x, int y) const {
    return pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                    static_cast<std::size_t>(x)];
}

bool ksImage::load(const std::string& imageFile, const std::string& alphaFile, FileSource& files) {
    if (imageFile.empty()) {
        trace("ksImage::load - imageFileName is null");
        return false;
    }
    destroy();
    std::optional<DecodedPicture> picture = decode(imageFile, alphaFile, files);
    if (!picture) {
        return false;
    }
    adopt(std::move(picture->pixels), picture->width, picture->height);
    m_hasAlpha = picture->hasAlpha;
    return true;
}

bool ksImage::loadOnFirstUse(const std::string& imageFile, const std::string& alphaFile, FileSource& files) {
    if (imageFile.empty()) {
        trace("ksImage::load - imageFileName is null");
        return false;
    }
    destroy();
    const std::optional<std::vector<uint8_t>> bytes = files.readWhole(imageFile);
    const std::optional<PictureSize> size = bytes ? readPictureSize(*bytes) : std::nullopt;
    if (!size || !isValidImageSize(size->width, size->height)) {
        trace("ksImage::load - Could not load file %s", imageFile.c_str());
        return false;
    }
    m_width = size->width;
    m_height = size->height;
    m_pictureFiles = std::make_unique<PictureFiles>(PictureFiles{&files, imageFile, alphaFile});
    return true;
}

void ksImage::decodeFirstUse() const {
    const std::unique_ptr<PictureFiles> source = std::move(m_pictureFiles);
    std::optional<DecodedPicture> picture = decode(source->imageFile, source->alphaFile, *source->files);
    if (!picture || picture->width != m_width || picture->height != m_height) {
        // Its size was already handed out: a picture that turns out otherwise draws nothing.
        m_pixels = {};
        m_width = m_height = 0;
        return;
    }
    m_pixels = std::move(picture->pixels);
    m_hasAlpha = picture->hasAlpha;
}

std::optional<ksImage::DecodedPicture> ksImage::decode(const std::string& imageFile,
                                                       const std::string& alphaFile, FileSource& files) {
    DecodedPicture picture;
    ScreenRect rect;
    if (!loadFile(imageFile, picture.pixels, rect, files)) {
        trace("ksImage::load - Could not load file %s", imageFile.c_str());
        return std::nullopt;
    }
    picture.width = rect.width;
    picture.height = rect.height;
    const std::size_t count = static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height);

    std::vector<uint32_t> mask;
    ScreenRect maskRect;
    if (alphaFile.empty() || !loadFile(alphaFile, mask, maskRect, files)) {
        fillAlpha(picture.pixels.data(), count, 255);
        return picture;
    }
    const int64_t maskArea = maskRect.area();
    if (maskArea != static_cast<int64_t>(count)) {
        trace("Alpha size (%i) != Image size (%i)", static_cast<int>(maskArea), static_cast<int>(count));
        trace("Files: %s, %s", imageFile.c_str(), alphaFile.c_str());
    }
    applyMask(picture.pixels.data(), count, mask.data(), static_cast<std::size_t>(maskArea));
    picture.hasAlpha = true;
    return picture;
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

void ksImage::setAlpha(int alpha) {
    const uint32_t value = static_cast<uint32_t>(alpha & 0xFF);
    fillAlpha(pixels().data(), pixelCount(), value);
    m_hasAlpha = value != 255;
}

void ksImage::setAlphaFrom(const ksImage& mask) {
    if (isEmpty()) {
        return;
    }
    applyMask(pixels().data(), pixelCount(), mask.pixels().data(), mask.pixelCount());
    m_hasAlpha = true;
}

void ksImage::setColour(int red, int green, int blue) {
    fillColour(0, 0, m_width, m_height, red, green, blue);
}

void ksImage::fillColour(int x, int y, int width, int height, int red, int green, int blue) {
    const ScreenRect area = cutToImage(x, y, width, height);
    const uint32_t colour = colourBytes(red, green, blue);
    for (int row = area.top; row < area.top + area.height; ++row) {
        uint32_t* line = pixels().data() + static_cast<std::size_t>(row) * m_width;
        for (int col = area.left; col < area.left + area.width; ++col) {
            line[col] = (line[col] & 0xFF000000u) | colour;
        }
    }
}

void ksImage::setAlphaRect(int x, int y, int width, int height, int alpha) {
    const ScreenRect area = cutToImage(x, y, width, height);
    const uint32_t value = static_cast<uint32_t>(alpha & 0xFF) << 24;
    for (int row = area.top; row < area.top + area.height; ++row) {
        uint32_t* line = pixels().data() + static_cast<std::size_t>(row) * m_width;
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
        const uint32_t* from = source.pixels().data() +
                               static_cast<std::size_t>(block.sourceY + row) * source.m_width + block.sourceX;
        uint32_t* to = pixels().data() + static_cast<std::size_t>(block.destY + row) * m_width + block.destX;
        std::copy_n(from, block.width, to);
    }
    m_hasAlpha = m_hasAlpha || source.m_hasAlpha;
}

template <typename AlphaOf>
bool ksImage::copyAlphaBlock(const ksImage& source, int sourceX, int sourceY, int width, int height,
                             int destX, int destY, AlphaOf alphaOf) {
    BlockCopy block;
    if (!clipBlock(sourceX, sourceY, width, height, destX, destY, source.m_width, source.m_height, m_width,
                   m_height, block)) {
        return false;
    }
    for (int row = 0; row < block.height; ++row) {
        const uint32_t* from = source.pixels().data() +
                               static_cast<std::size_t>(block.sourceY + row) * source.m_width + block.sourceX;
        uint32_t* to = pixels().data() + static_cast<std::size_t>(block.destY + row) * m_width + block.destX;
        for (int i = 0; i < block.width; ++i) {
            to[i] = (to[i] & 0x00FFFFFFu) | alphaOf(from[i]);
        }
    }
    return true;
}

void ksImage::copyAlphaFrom(const ksImage& mask, int sourceX, int sourceY, int width, int height, int destX,
                            int destY) {
    // A mask picture carries its alpha in the blue byte.
    if (copyAlphaBlock(mask, sourceX, sourceY, width, height, destX, destY,
                       [](uint32_t pixel) { return pixel << 24; })) {
        m_hasAlpha = true;
    }
}

void ksImage::copyAlphaChannelFrom(const ksImage& source, int sourceX, int sourceY, int width, int height,
                                   int destX, int destY) {
    if (copyAlphaBlock(source, sourceX, sourceY, width, height, destX, destY,
                       [](uint32_t pixel) { return pixel & 0xFF000000u; })) {
        m_hasAlpha = m_hasAlpha || source.hasAlpha();
    }
}
