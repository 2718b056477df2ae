#pragma once

#include "palette.h"

namespace parta {

// What a check says about one item. An item that needed no action and got none
// stays unmarked.
enum class Verdict { Unmarked, Right, Wrong };

// The colours every check marks with.
inline constexpr int rightMarkIndex = palette::Lime;
inline constexpr int wrongMarkIndex = palette::Red;

inline QColor markColor(Verdict verdict)
{
    return palette::color(verdict == Verdict::Right ? rightMarkIndex : wrongMarkIndex);
}

} // namespace parta
