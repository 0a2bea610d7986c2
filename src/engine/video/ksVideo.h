// ksVideo.h: the display device that ksCanvas presents into.
#pragma once

#include "engine/core/ScreenRect.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// How a presented pixel is packed into the back surface. At 32 bits pixels are copied unchanged;
// at 16 bits each channel is cut to its bit count and shifted into place.
struct PixelFormat {
    int depth = 32;
    uint32_t redMask = 0xFF0000, greenMask = 0xFF00, blueMask = 0xFF;
    int redShift = 16, greenShift = 8, blueShift = 0;
    int redBits = 8, greenBits = 8, blueBits = 8;

    static PixelFormat rgb888() { return PixelFormat{}; }
    static PixelFormat rgb565() {
        return PixelFormat{16, 0xF800, 0x07E0, 0x001F, 11, 5, 0, 5, 6, 5};
    }
    uint16_t pack16(uint32_t pixel) const {
        const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
        return static_cast<uint16_t>((((r >> (8 - redBits)) << redShift) & redMask) |
                                     (((g >> (8 - greenBits)) << greenShift) & greenMask) |
                                     (((b >> (8 - blueBits)) << blueShift) & blueMask));
    }
};

struct SurfaceLock {
    void* pixels = nullptr;
    int pitch = 0; // bytes per row
};

// The canvas writes the changed rectangles into the locked back surface and then asks the device
// to show it.
class ksVideo {
public:
    virtual ~ksVideo() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual const PixelFormat& pixelFormat() const = 0;
    // False once the device has been released: presenting must then do nothing.
    virtual bool isReady() const = 0;

    virtual std::optional<SurfaceLock> lockBackSurface() = 0;
    // `written` lists the rectangles changed since the lock.
    virtual void unlockBackSurface(std::span<const ScreenRect> written) = 0;
    virtual void show() = 0;
};

// A display whose back surface is plain memory. Tests present into it; the SDL device builds on
// it and uploads the written rectangles when it shows the surface.
class MemoryVideo : public ksVideo {
public:
    MemoryVideo(int width, int height, PixelFormat format = PixelFormat::rgb888());

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    const PixelFormat& pixelFormat() const override { return m_format; }
    bool isReady() const override { return m_ready; }
    std::optional<SurfaceLock> lockBackSurface() override;
    void unlockBackSurface(std::span<const ScreenRect> written) override;
    void show() override { ++m_shownCount; }

    // Switches the packing; the surface is cleared to black.
    void setPixelFormat(const PixelFormat& format);
    void setReady(bool ready) { m_ready = ready; }
    // The shown picture as 0x00RRGGBB, expanding 16-bit pixels by bit replication.
    uint32_t shownPixel(int x, int y) const;
    void copyShownPicture(std::span<uint32_t> out) const;

    int shownCount() const { return m_shownCount; }
    // Rectangles written since the last show (cleared by takeWrittenRects).
    const std::vector<ScreenRect>& writtenRects() const { return m_written; }
    void takeWrittenRects(std::vector<ScreenRect>& out);

protected:
    const uint8_t* surfaceBytes() const { return m_surface.data(); }
    int surfacePitch() const { return m_pitch; }

private:
    int m_width;
    int m_height;
    PixelFormat m_format;
    int m_pitch = 0;
    std::vector<uint8_t> m_surface;
    std::vector<ScreenRect> m_written; // reserved once; never grows past the list capacity
    bool m_ready = true;
    int m_shownCount = 0;
};
