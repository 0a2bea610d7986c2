// ksSprite.h: one image (or part of one) drawn at a position, scaled and faded.
#pragma once

#include "engine/core/ScreenRect.h"
#include "ksDrawable.h"

class ksImage;

class ksSprite : public ksDrawable {
public:
    explicit ksSprite(ksImage* image = nullptr);

    // The image and its whole area as the source rectangle.
    void setImage(ksImage* image);
    ksImage* image() const { return m_image; }
    // Draws with the plain part copy at scale 1.0 and the bilinear scaler otherwise; positions
    // are truncated to whole pixels.
    void draw() override;

    ScreenRect sourceRect;
    float x = 0;
    float y = 0;
    float scale = 1.0f;
    float opacity = 1.0f;

private:
    ksImage* m_image = nullptr;
};
