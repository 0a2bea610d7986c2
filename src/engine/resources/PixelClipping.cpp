// PixelClipping.cpp: clipping the rectangles and block copies that the resource script asks for.
#include "PixelClipping.h"

#include <algorithm>

namespace {

// One axis of a block copy in 64 bits, so no script value can overflow the arithmetic.
struct Span1D {
    int64_t destination;
    int64_t source;
    int64_t length;

    // Keeps the part whose source lies in [0, sourceLength) and destination in [0, destLength).
    void clip(int64_t sourceLength, int64_t destLength) {
        const int64_t cut = std::max({int64_t{0}, -source, -destination});
        source += cut;
        destination += cut;
        length -= cut;
        length = std::min({length, sourceLength - source, destLength - destination});
        length = std::max<int64_t>(length, 0);
    }
};

} // namespace

PixelRect clipToImage(const PixelRect& rect, PixelExtent image) {
    const int64_t left = std::max<int64_t>(rect.x, 0);
    const int64_t top = std::max<int64_t>(rect.y, 0);
    const int64_t right = std::min<int64_t>(int64_t{rect.x} + rect.width, image.width);
    const int64_t bottom = std::min<int64_t>(int64_t{rect.y} + rect.height, image.height);
    if (right <= left || bottom <= top) {
        return PixelRect{};
    }
    return PixelRect{static_cast<int32_t>(left), static_cast<int32_t>(top),
                     static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
}

BlockPlacement clipBlock(const BlockPlacement& block, std::span<const PixelExtent> sources,
                         PixelExtent destination) {
    if (sources.empty()) {
        return BlockPlacement{};
    }
    Span1D horizontal{block.dx, block.sx, block.width};
    Span1D vertical{block.dy, block.sy, block.height};
    for (const PixelExtent& source : sources) {
        horizontal.clip(source.width, destination.width);
        vertical.clip(source.height, destination.height);
    }
    if (horizontal.length == 0 || vertical.length == 0) {
        return BlockPlacement{};
    }
    return BlockPlacement{
        static_cast<int32_t>(horizontal.destination), static_cast<int32_t>(vertical.destination),
        static_cast<int32_t>(horizontal.source),      static_cast<int32_t>(vertical.source),
        static_cast<int32_t>(horizontal.length),      static_cast<int32_t>(vertical.length)};
}
