// ColourVision.cpp: simulated colour-vision deficiencies and perceptual colour distance.
#include "ColourVision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

constexpr Matrix kProtanopia = {
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double toLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double toGamma(double c) {
    return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

} // namespace

std::string_view visionName(Vision vision) {
    switch (vision) {
    case Vision::Normal:
        return "normal vision";
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Tritanopia:
        return "tritanopia";
    }
    return "";
}

Colour simulateVision(const Colour& colour, Vision vision) {
    const Matrix* m = nullptr;
    switch (vision) {
    case Vision::Normal:
        return colour;
    case Vision::Protanopia:
        m = &kProtanopia;
        break;
    case Vision::Deuteranopia:
        m = &kDeuteranopia;
        break;
    case Vision::Tritanopia:
        m = &kTritanopia;
        break;
    }
    const std::array<double, 3> lin = {toLinear(colour.r), toLinear(colour.g), toLinear(colour.b)};
    std::array<double, 3> out{};
    for (int row = 0; row < 3; ++row) {
        const double v = (*m)[row][0] * lin[0] + (*m)[row][1] * lin[1] + (*m)[row][2] * lin[2];
        out[row] = toGamma(std::clamp(v, 0.0, 1.0));
    }
    return Colour{out[0], out[1], out[2]};
}

Lab toLab(const Colour& colour) {
    const double r = toLinear(colour.r);
    const double g = toLinear(colour.g);
    const double b = toLinear(colour.b);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = (0.2126729 * r + 0.7151522 * g + 0.0721750 * b) / 1.0;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    auto f = [](double t) {
        constexpr double epsilon = 216.0 / 24389.0;
        constexpr double kappa = 24389.0 / 27.0;
        return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
    };
    const double fx = f(x);
    const double fy = f(y);
    const double fz = f(z);
    return Lab{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double deltaE2000(const Lab& x, const Lab& y) {
    const double c1 = std::hypot(x.a, x.b);
    const double c2 = std::hypot(y.a, y.b);
    const double cMean7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * x.a;
    const double a2 = (1.0 + g) * y.a;
    const double c1p = std::hypot(a1, x.b);
    const double c2p = std::hypot(a2, y.b);
    auto hue = [](double b, double a) {
        if (a == 0.0 && b == 0.0) {
            return 0.0;
        }
        const double h = degrees(std::atan2(b, a));
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(x.b, a1);
    const double h2 = hue(y.b, a2);

    const double dL = y.l - x.l;
    const double dC = c2p - c1p;
    double dh = 0.0;
    if (c1p * c2p != 0.0) {
        dh = h2 - h1;
        if (dh > 180.0) {
            dh -= 360.0;
        } else if (dh < -180.0) {
            dh += 360.0;
        }
    }
    const double dH = 2.0 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2.0));

    const double lMean = (x.l + y.l) / 2.0;
    const double cMean = (c1p + c2p) / 2.0;
    double hMean = h1 + h2;
    if (c1p * c2p != 0.0) {
        hMean = (h1 + h2) / 2.0;
        if (std::abs(h1 - h2) > 180.0) {
            hMean += hMean < 180.0 ? 180.0 : -180.0;
        }
    }
    const double t = 1.0 - 0.17 * std::cos(radians(hMean - 30.0)) + 0.24 * std::cos(radians(2.0 * hMean)) +
                     0.32 * std::cos(radians(3.0 * hMean + 6.0)) -
                     0.20 * std::cos(radians(4.0 * hMean - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((hMean - 275.0) / 25.0, 2.0));
    const double cMeanP7 = std::pow(cMean, 7.0);
    const double rC = 2.0 * std::sqrt(cMeanP7 / (cMeanP7 + std::pow(25.0, 7.0)));
    const double sL =
        1.0 + 0.015 * (lMean - 50.0) * (lMean - 50.0) / std::sqrt(20.0 + (lMean - 50.0) * (lMean - 50.0));
    const double sC = 1.0 + 0.045 * cMean;
    const double sH = 1.0 + 0.015 * cMean * t;
    const double rT = -std::sin(radians(2.0 * dTheta)) * rC;
    const double tl = dL / sL;
    const double tc = dC / sC;
    const double th = dH / sH;
    return std::sqrt(tl * tl + tc * tc + th * th + rT * tc * th);
}
