// ksImage.h: a picture in memory and the drawing operations that put it on the canvas.
#pragma once

#include "engine/core/ScreenRect.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FileSource;
class ksCanvas;

// Pixels are 0xAARRGGBB, row stride = width, in a zero-filled block with a little slack after
// the picture (see Picture.h). Every drawing operation clips against the canvas's clip rectangle,
// writes into the canvas's current target and reports the changed area to its dirty list; a
// drawing that is clipped away, or of an empty image, does nothing.
//
// Opacities are 0.0 to 1.0: a level of trunc(opacity x 255) below 1 draws nothing, 255 draws as
// without opacity. Images whose alpha matters (hasAlpha) blend under their alpha bytes; the
// others are copied (or blended at the opacity) whole.
class ksImage {
public:
    // An empty image (0 x 0) that draws nothing.
    explicit ksImage(ksCanvas& canvas);
    // A blank image: every pixel 0x00000000, hasAlpha false; its memory is taken when the pixels
    // are first needed. Sizes outside 1 to kMaxImageSide (Picture.h) give an empty image and a
    // log line.
    ksImage(ksCanvas& canvas, int width, int height);
    ksImage(const ksImage& other);
    ksImage& operator=(const ksImage& other);
    ksImage(ksImage&& other) noexcept;
    ksImage& operator=(ksImage&& other) noexcept;
    ~ksImage();

    // Loads the picture (JPEG or GIF) and, when alphaFile is not empty, takes each pixel's alpha
    // from the blue byte of the mask picture; without a mask, or when the mask cannot be loaded,
    // the image is opaque. False (with the log lines) on failure, leaving the image empty.
    bool load(const std::string& imageFile, const std::string& alphaFile, FileSource& files);
    // As load, but reads only the picture's size now; the pixels are decoded (and any failure
    // logged) the first time something needs them, which then leaves an image that draws nothing.
    bool loadOnFirstUse(const std::string& imageFile, const std::string& alphaFile, FileSource& files);
    // Reads one picture file into `inBuffer` (which should arrive empty; it is replaced either
    // way) and sizes `rect` to it. JPEG pixels are 0xFFRRGGBB, GIF pixels 0x00RRGGBB.
    static bool loadFile(const std::string& fileName, std::vector<uint32_t>& inBuffer, ScreenRect& rect,
                         FileSource& files);
    // Frees the pixels: the image becomes empty.
    void destroy();

    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }
    uint32_t* getPixels() { return pixels().data(); }
    const uint32_t* getPixels() const { return pixels().data(); }
    ksCanvas& getCanvas() const { return *m_canvas; }
    bool hasAlpha() const {
        pixels();
        return m_hasAlpha;
    }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    // False while the pixels of an image loaded for first use are still to be decoded.
    bool isDecoded() const { return !m_pictureFiles; }
    // The pixel at (x, y), which must lie inside the image.
    uint32_t pixelAt(int x, int y) const;

    // Every pixel's alpha = alpha & 0xFF; hasAlpha = (that value != 255).
    void setAlpha(int alpha);
    // Pixel i's alpha = the blue byte of the mask's pixel i, for as many pixels as both have;
    // pixels past the end of a smaller mask become opaque. hasAlpha = true.
    void setAlphaFrom(const ksImage& mask);
    // Colour bytes replaced (values & 0xFF), alpha kept: everywhere, or inside a rectangle that
    // is clipped to the image.
    void setColour(int red, int green, int blue);
    void fillColour(int x, int y, int width, int height, int red, int green, int blue);
    // Alpha replaced inside the rectangle, clipped to the image; an alpha other than 255 makes
    // hasAlpha true.
    void setAlphaRect(int x, int y, int width, int height, int alpha);

    // Block copies for the resource script. The width x height block at (sourceX, sourceY) of
    // the other image goes to (destX, destY) of this one, clipped to both images: parts outside
    // either are left out and the rest keeps its place.
    // Whole pixels, alpha included; hasAlpha becomes true if the source has alpha.
    void copyPixelsFrom(const ksImage& source, int sourceX, int sourceY, int width, int height, int destX,
                        int destY);
    // The alpha of each destination pixel becomes the blue byte of the mask's pixel; hasAlpha
    // becomes true when anything was copied.
    void copyAlphaFrom(const ksImage& mask, int sourceX, int sourceY, int width, int height, int destX,
                       int destY);
    // The alpha of each destination pixel becomes the source pixel's own alpha; hasAlpha becomes
    // true when anything was copied and the source has alpha.
    void copyAlphaChannelFrom(const ksImage& source, int sourceX, int sourceY, int width, int height,
                              int destX, int destY);

    void draw(int x, int y) const;
    // A rectangle of the image, cut to the image first: negative origins move to 0 and shorten
    // the size, sizes running past the image are shortened. The destination stays at (x, y).
    void drawPart(int x, int y, int sourceX, int sourceY, int width, int height) const;
    void drawFaded(int x, int y, float opacity) const;
    void drawPartFaded(int x, int y, int sourceX, int sourceY, int width, int height, float opacity) const;
    // The source rectangle (cut to the image as in drawPart) stretched or shrunk to the
    // destination size with the engine's bilinear sampler.
    void drawScaled(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight) const;
    void drawScaledFaded(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, float opacity) const;
    // Brightens what is on the target under the image's alpha mask (a colour dodge); the image's
    // own colours are not used.
    void drawLighten(int x, int y, float opacity) const;

private:
    enum class Blit { Normal, Lighten };
    // Sets the alpha of the clipped block from `alphaOf` of each source pixel; false when the
    // block lies outside either image.
    template <typename AlphaOf>
    bool copyAlphaBlock(const ksImage& source, int sourceX, int sourceY, int width, int height, int destX,
                        int destY, AlphaOf alphaOf);
    struct PictureFiles;
    struct DecodedPicture {
        std::vector<uint32_t> pixels;
        int width = 0;
        int height = 0;
        bool hasAlpha = false;
    };

    static std::optional<DecodedPicture> decode(const std::string& imageFile, const std::string& alphaFile,
                                                FileSource& files);
    // The pixels, decoded first if the image was loaded for first use.
    std::vector<uint32_t>& pixels() const;
    void decodeFirstUse() const;
    void makeBlankFirstUse() const;

    void adopt(std::vector<uint32_t>&& pixels, int width, int height);
    // The rectangle cut to the image: negative origins move to 0 and shorten the size, sizes
    // running past the image are shortened. Empty when it starts beyond the image or ends
    // before it.
    ScreenRect cutToImage(int x, int y, int width, int height) const;
    std::size_t pixelCount() const {
        return static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    }
    // Clips and draws the source rectangle at (x, y) with an opacity level of 1 to 255.
    void blit(int x, int y, const ScreenRect& source, int opacity, Blit kind) const;
    void blitScaled(int x, int y, float destWidth, float destHeight, const ScreenRect& source,
                    int opacity) const;

    ksCanvas* m_canvas;
    // Filled in by the first use of an image loaded for first use, hence mutable.
    mutable std::vector<uint32_t> m_pixels;
    mutable int m_width = 0;
    mutable int m_height = 0;
    mutable bool m_hasAlpha = false;
    mutable std::unique_ptr<PictureFiles> m_pictureFiles;
    // A blank image whose zero-filled block is still to be made.
    mutable bool m_blankOnFirstUse = false;
};
