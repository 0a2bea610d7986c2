// ksSprite.cpp: one image (or part of one) drawn at a position, scaled and faded.
#include "ksSprite.h"

#include "engine/video/ksImage.h"

ksSprite::ksSprite(ksImage* image) {
    setImage(image);
}

void ksSprite::setImage(ksImage* image) {
    m_image = image;
    sourceRect = image != nullptr ? ScreenRect::fromPositionSize(0, 0, image->getWidth(), image->getHeight())
                                  : ScreenRect::fromPositionSize(0, 0, 0, 0);
}

void ksSprite::draw() {
    if (m_image == nullptr) {
        return;
    }
    const int drawX = static_cast<int>(x), drawY = static_cast<int>(y);
    if (scale == 1.0f) {
        m_image->drawPartFaded(drawX, drawY, sourceRect.left, sourceRect.top, sourceRect.width,
                               sourceRect.height, opacity);
    } else {
        m_image->drawScaledFaded(drawX, drawY, static_cast<float>(sourceRect.width) * scale,
                                 static_cast<float>(sourceRect.height) * scale, sourceRect.left,
                                 sourceRect.top, sourceRect.width, sourceRect.height, opacity);
    }
}
