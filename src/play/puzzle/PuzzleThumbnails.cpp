// PuzzleThumbnails.cpp: the six small pictures of a selector page, drawn from the puzzles' layouts.
#include "PuzzleThumbnails.h"

#include "engine/resources/ksResources.h"
#include "engine/video/PixelMath.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "play/PlayPieces.h"
#include "ui/WorkArea.h"

#include <algorithm>
#include <cstdio>

namespace {

// Behind the balloons of a picture: the deep blue of the selector's slots.
constexpr uint32_t kFieldColour = 0xFF1B2440;

// The widest picture the reduction handles; the selector's are 106 wide.
constexpr int kMaxPictureSide = 640;

// Area averaging: each picture pixel is the mean of the block of source pixels it covers, so
// the one-pixel outlines and highlights of the balloons blend in instead of flickering in and
// out as a point sampler would make them. Block edges are whole source pixels.
void shrinkInto(const ksImage& source, int left, int top, int width, int height, ksImage& picture) {
    const int w = std::min(picture.getWidth(), kMaxPictureSide);
    const int h = std::min(picture.getHeight(), kMaxPictureSide);
    if (w < 1 || h < 1 || source.isEmpty()) {
        return;
    }
    left = std::clamp(left, 0, source.getWidth() - 1);
    top = std::clamp(top, 0, source.getHeight() - 1);
    width = std::clamp(width, 1, source.getWidth() - left);
    height = std::clamp(height, 1, source.getHeight() - top);
    std::array<int, kMaxPictureSide + 1> columnEdge{};
    for (int x = 0; x <= w; ++x) {
        columnEdge[static_cast<std::size_t>(x)] = left + x * width / w;
    }
    const uint32_t* from = source.getPixels();
    const int stride = source.getWidth();
    uint32_t* to = picture.getPixels();
    for (int y = 0; y < h; ++y) {
        const int y0 = top + y * height / h;
        const int y1 = std::max(top + (y + 1) * height / h, y0 + 1);
        for (int x = 0; x < w; ++x) {
            const int x0 = columnEdge[static_cast<std::size_t>(x)];
            const int x1 = std::max(columnEdge[static_cast<std::size_t>(x) + 1], x0 + 1);
            uint32_t red = 0, green = 0, blue = 0;
            for (int sy = y0; sy < y1; ++sy) {
                const uint32_t* row = from + static_cast<std::ptrdiff_t>(sy) * stride;
                for (int sx = x0; sx < x1; ++sx) {
                    const uint32_t p = row[sx];
                    red += (p >> 16) & 0xFF;
                    green += (p >> 8) & 0xFF;
                    blue += p & 0xFF;
                }
            }
            const uint32_t count = static_cast<uint32_t>((y1 - y0) * (x1 - x0));
            to[static_cast<std::ptrdiff_t>(y) * picture.getWidth() + x] =
                0xFF000000 | (red / count) << 16 | (green / count) << 8 | blue / count;
        }
    }
}

} // namespace

void fillFloorFromLevel(BalloonBoard& floor, const PuzzleLevel& level,
                        const std::array<const ksImage*, puzzle::kPrizeKinds>& targets) {
    for (int slot = 0; slot < std::min(floor.columns(), puzzle::kFloorSlots); ++slot) {
        Balloon& place = floor.cellAt(0, slot);
        place.setContent(Balloon::kNoColour, Balloon::kNoPrize);
        const int target = level.target(slot);
        place.setImage(target >= 0 && target < puzzle::kPrizeKinds ? targets[static_cast<std::size_t>(target)]
                                                                   : nullptr);
    }
}

void drawPuzzleField(const BalloonBoard& board, const BalloonBoard& floor) {
    // The targets are pictures on empty places, so they are drawn whatever the place holds.
    for (int slot = 0; slot < floor.columns(); ++slot) {
        if (const ksImage* target = floor.cellAt(0, slot).image()) {
            target->draw(floor.columnX(slot), floor.rowY(0, slot));
        }
    }
    drawBoardBalloons(board, false);
}

PuzzleThumbnails::PuzzleThumbnails(ksCanvas& canvas, ksResources& resources)
    : m_canvas(canvas)
    , m_buffer(resources.getImage("puzzleThumbBuffer"))
    , m_board(&m_images)
    , m_floor(1, puzzle::kFloorSlots, puzzle_field::kFloorX, puzzle_field::kFloorY) {
    m_images.load([&resources](const char* name) -> const ksImage* { return resources.getImage(name); });
    char name[32];
    for (int kind = 0; kind < puzzle::kPrizeKinds; ++kind) {
        std::snprintf(name, sizeof name, "target%d", kind);
        m_targets[static_cast<std::size_t>(kind)] = resources.getImage(name);
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        std::snprintf(name, sizeof name, "puzzleThumb%d", slot);
        m_pictures[static_cast<std::size_t>(slot)] = resources.getImage(name);
    }
}

void PuzzleThumbnails::render(int slot, const PuzzleLevel& level) {
    if (slot < 0 || slot >= kSlots || m_buffer == nullptr || m_buffer->isEmpty()) {
        return;
    }
    ksImage* picture = m_pictures[static_cast<std::size_t>(slot)];
    fillBoardFromLevel(m_board, level, "the selector");
    fillFloorFromLevel(m_floor, level, m_targets);
    {
        // Drawn where the screen draws it, in the canvas's spare buffer, then kept in the buffer
        // picture at the same place.
        const int width = std::min(m_buffer->getWidth(), m_canvas.width());
        const int height = std::min(m_buffer->getHeight(), m_canvas.height());
        WorkArea area(m_canvas, width, height);
        m_canvas.fillRect(kFieldLeft, kFieldTop, kFieldWidth, kFieldHeight, kFieldColour);
        drawPuzzleField(m_board, m_floor);
        area.copyTo(*m_buffer, 0, 0);
    }
    if (picture != nullptr) {
        shrinkInto(*m_buffer, kFieldLeft, kFieldTop, kFieldWidth, kFieldHeight, *picture);
    }
}
