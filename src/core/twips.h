#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace parta {

// Positions and sizes are written in twips; 15 twips make one device-independent
// pixel. This is the one place where they are converted.
inline constexpr int twipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

// Left, top, width, height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const
    {
        return QRect(parta::toPixels(left), parta::toPixels(top), parta::toPixels(width),
                     parta::toPixels(height));
    }
};

struct TwipsSize {
    int width = 0;
    int height = 0;

    QSize toPixels() const { return QSize(parta::toPixels(width), parta::toPixels(height)); }
};

// The client area of every full-size window.
inline constexpr TwipsSize fullSizeClient = {11910, 8520};

} // namespace parta
