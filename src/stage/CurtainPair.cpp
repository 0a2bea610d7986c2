// CurtainPair.cpp: two stage curtains that slide in and out from the sides of the screen.
#include "CurtainPair.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <cstdio>

CurtainPair::CurtainPair(const ksTimer& timer, int pair, const PictureLookup& pictures)
    : m_timer(timer) {
    char name[32];
    std::snprintf(name, sizeof name, "curtain0%d_left", pair);
    m_leftPicture = pictures ? pictures(name) : nullptr;
    std::snprintf(name, sizeof name, "curtain0%d_right", pair);
    m_rightPicture = pictures ? pictures(name) : nullptr;
    m_width = m_leftPicture != nullptr ? m_leftPicture->getWidth() : 0;
    setOpen();
}

void CurtainPair::open() {
    const float w = static_cast<float>(m_width), frame = static_cast<float>(kOpenFrame);
    slide(0.0f, frame - w, w, 2.0f * w - frame);
    m_open = true;
}

void CurtainPair::closeIn() {
    const float w = static_cast<float>(m_width);
    slide(-w, 0.0f, 2.0f * w, w);
    m_open = false;
}

void CurtainPair::slideOff() {
    const float w = static_cast<float>(m_width);
    slide(0.0f, -w, w, 2.0f * w);
    m_open = true;
}

void CurtainPair::setOpen() {
    const float w = static_cast<float>(m_width), frame = static_cast<float>(kOpenFrame);
    place(frame - w, 2.0f * w - frame);
    m_open = true;
}

void CurtainPair::setClosed() {
    place(0.0f, static_cast<float>(m_width));
    m_open = false;
}

void CurtainPair::slide(float leftFrom, float leftTo, float rightFrom, float rightTo) {
    m_left.start(leftFrom, 0.0f, leftTo, 0.0f, kSpeed);
    m_right.start(rightFrom, 0.0f, rightTo, 0.0f, kSpeed);
    m_leftX = leftFrom;
    m_rightX = rightFrom;
}

void CurtainPair::place(float leftX, float rightX) {
    m_left.stop();
    m_right.stop();
    m_leftX = leftX;
    m_rightX = rightX;
}

void CurtainPair::update() {
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    if (m_left.isActive()) {
        m_left.update(seconds);
        m_leftX = m_left.x();
    }
    if (m_right.isActive()) {
        m_right.update(seconds);
        m_rightX = m_right.x();
    }
}

void CurtainPair::draw() {
    if (m_leftPicture != nullptr) {
        m_leftPicture->draw(truncSat(m_leftX), 0);
    }
    if (m_rightPicture != nullptr) {
        m_rightPicture->draw(truncSat(m_rightX), 0);
    }
}
