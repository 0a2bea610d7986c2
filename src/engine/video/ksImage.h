// ksImage.h: a picture in memory and the drawing operations that put it on the canvas.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class FileSource;
class ksCanvas;

// Pixels are 0xAARRGGBB, row stride = width. Every drawing operation clips against the canvas's
// clip rectangle, writes into the canvas's current target and reports the changed area.
class ksImage {
public:
    // An empty image (0 x 0) that draws nothing.
    explicit ksImage(ksCanvas& canvas);
    // A blank image: pixels zero-filled, hasAlpha false.
    ksImage(ksCanvas& canvas, int width, int height);
    ksImage(const ksImage& other);
    ksImage& operator=(const ksImage& other);
    ~ksImage();

    // Loads the picture (JPEG or GIF) and, when alphaFile is not empty, takes each pixel's alpha
    // from the blue byte of the mask picture. False (with the log lines) on failure.
    bool load(const std::string& imageFile, const std::string& alphaFile, FileSource& files);

    int getWidth() const;
    int getHeight() const;
    uint32_t* getPixels();
    const uint32_t* getPixels() const;
    ksCanvas& getCanvas() const;
    bool hasAlpha() const;
    bool isEmpty() const;

    void setAlpha(int alpha);
    void setAlphaFrom(const ksImage& mask);
    void setColour(int red, int green, int blue);
    void fillColour(int x, int y, int width, int height, int red, int green, int blue);
    void setAlphaRect(int x, int y, int width, int height, int alpha);

    void draw(int x, int y);
    void drawPart(int x, int y, int sourceX, int sourceY, int width, int height);
    void drawFaded(int x, int y, float opacity);
    void drawPartFaded(int x, int y, int sourceX, int sourceY, int width, int height, float opacity);
    void drawScaled(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight);
    void drawScaledFaded(int x, int y, float destWidth, float destHeight, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, float opacity);
    void drawLighten(int x, int y, float opacity);

private:
    // The implementation owns the rest; see ksImage.cpp.
    struct State;
    ksCanvas* m_canvas;
    std::vector<uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
    bool m_hasAlpha = false;
};
