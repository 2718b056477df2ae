#include "palette.h"

#include <array>

namespace parta::palette {

namespace {
constexpr std::array<Rgb, Count> table = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};
} // namespace

Rgb rgb(int index)
{
    if (index < 0 || index >= Count)
        return table[Black];
    return table[static_cast<std::size_t>(index)];
}

QColor color(int index)
{
    return rgb(index).toColor();
}

} // namespace parta::palette
