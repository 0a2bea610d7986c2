// MenuButton.h: a rectangular image button of a screen, with hover fade and press tracking.
#pragma once

#include "engine/core/ScreenRect.h"
#include "engine/input/ksInputState.h"
#include "engine/scene/ksDrawable.h"

#include <cstdint>

class ksImage;
class ksTimer;

// Up to three appearances, each a part of an image of the button's size: normal, hover and
// pressed. The button polls its own input snapshots and reads the frame timer itself, so a
// screen can keep it in its scene's depth list. Edges of the rectangle count as inside.
class MenuButton : public ksDrawable {
public:
    // The hover level rises and falls by the fade rate per second; 0 or less jumps at once.
    MenuButton(int32_t id, const ScreenRect& rect, const ksTimer& timer, float fadeRate = 0.0f);

    // Pressed (and hovered) with a pressed appearance: that appearance at the button's opacity.
    // Otherwise the normal appearance, then, while the mouse button is up, the hover appearance at
    // hover level x opacity.
    void draw() override;
    virtual void moveBy(int dx, int dy);
    virtual int32_t getId() const { return m_id; }
    // The pointer of the current snapshot lies inside the rectangle, edges included, or the
    // keyboard focus is on the button.
    virtual bool isHovered() const;
    // Set by the screen's keyboard focus (MenuFocus): the button looks hovered.
    void setKeyFocus(bool focused) { m_keyFocus = focused; }
    // Keeps the last snapshot, polls a new one, then updates pressed and the hover level.
    void update() override;
    // While its hover face fades in or out.
    bool isMoving() const override {
        return m_fadeRate > 0.0f && m_hoverLevel != (isHovered() ? 1.0f : 0.0f);
    }

    void setNormal(const ksImage* image, int sourceX, int sourceY) { m_normal = {image, sourceX, sourceY}; }
    void setHover(const ksImage* image, int sourceX, int sourceY) { m_hover = {image, sourceX, sourceY}; }
    void setPressed(const ksImage* image, int sourceX, int sourceY) {
        m_pressedLook = {image, sourceX, sourceY};
    }
    void setOpacity(float opacity) { m_opacity = opacity; }
    void setFadeRate(float rate) { m_fadeRate = rate; }
    // Forgets press, hover and both snapshots, as when the button is put away under a dialog.
    void reset();

    const ScreenRect& rect() const { return m_rect; }
    bool isPressed() const { return m_pressed; }
    float hoverLevel() const { return m_hoverLevel; }
    float opacity() const { return m_opacity; }

private:
    struct Appearance {
        const ksImage* image = nullptr;
        int sourceX = 0;
        int sourceY = 0;
    };

    void drawAppearance(const Appearance& look, float opacity) const;

    int32_t m_id;
    ScreenRect m_rect;
    const ksTimer& m_timer;
    Appearance m_normal;
    Appearance m_hover;
    Appearance m_pressedLook;
    float m_hoverLevel = 0.0f;
    float m_fadeRate;
    float m_opacity = 1.0f;
    bool m_pressed = false;
    bool m_keyFocus = false;
    ksInput m_input;
    ksInput m_previousInput;
};
