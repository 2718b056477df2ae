#pragma once

#include <QColor>

namespace parta {

// A colour as the window tables give it: red, green, blue from 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    QColor toColor() const { return QColor(red, green, blue); }
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// The sixteen fixed colours that every colour change at run time uses.
namespace palette {
inline constexpr int Black = 0;
inline constexpr int Navy = 1;
inline constexpr int Green = 2;
inline constexpr int Teal = 3;
inline constexpr int Maroon = 4;
inline constexpr int Purple = 5;
inline constexpr int Olive = 6;
inline constexpr int Silver = 7;
inline constexpr int Grey = 8;
inline constexpr int Blue = 9;
inline constexpr int Lime = 10;
inline constexpr int Aqua = 11;
inline constexpr int Red = 12;
inline constexpr int Fuchsia = 13;
inline constexpr int Yellow = 14;
inline constexpr int White = 15;
inline constexpr int Count = 16;

// The colour of a palette index; an index outside 0..15 gives black.
Rgb rgb(int index);
QColor color(int index);
} // namespace palette

} // namespace parta
