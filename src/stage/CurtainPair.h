// CurtainPair.h: two stage curtains that slide in and out from the sides of the screen.
#pragma once

#include "Glide.h"
#include "PictureLookup.h"
#include "engine/scene/ksDrawable.h"

class ksImage;
class ksTimer;

// The Puzzle mode's goal banners: pair n (1 to 3) shows "curtain0n_left" and "curtain0n_right"
// at the top of the screen. With w the width of the left picture, each side has three places:
//
//                 left x     right x
//     off screen  -w         2w
//     closed      0          w         (meeting in the middle)
//     open        160 - w    2w - 160  (a 160 px frame at each side)
//
// Every move runs at 200 px/s. A new pair stands open.
class CurtainPair : public ksDrawable {
public:
    static constexpr float kSpeed = 200.0f; // px/s
    static constexpr int kOpenFrame = 160;  // px of curtain left showing at each side

    // `pair` is 1 to 3. Missing pictures draw nothing (a missing left one also makes w 0).
    CurtainPair(const ksTimer& timer, int pair, const PictureLookup& pictures);

    // Slides both curtains from closed to open.
    void open();
    // Slides both curtains from off the screen to closed.
    void closeIn();
    // Slides both curtains from closed back off the screen, clearing the stage.
    void slideOff();
    // Puts both curtains at once at their open, or closed, places.
    void setOpen();
    void setClosed();

    bool isOpen() const { return m_open; }
    // Either curtain is still sliding.
    bool isMoving() const override { return m_left.isActive() || m_right.isActive(); }

    void update() override;
    bool isActive() const override { return true; }
    void draw() override;

    float leftX() const { return m_leftX; }
    float rightX() const { return m_rightX; }
    int width() const { return m_width; }

private:
    void slide(float leftFrom, float leftTo, float rightFrom, float rightTo);
    void place(float leftX, float rightX);

    const ksTimer& m_timer;
    const ksImage* m_leftPicture = nullptr;
    const ksImage* m_rightPicture = nullptr;
    int m_width = 0;
    Glide m_left;
    Glide m_right;
    float m_leftX = 0.0f;
    float m_rightX = 0.0f;
    bool m_open = true;
};
