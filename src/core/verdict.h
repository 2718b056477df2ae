#pragma once

#include "palette.h"

#include <optional>
#include <vector>

namespace parta {

// What a check says about one item. An item that needed no action and got none
// stays unmarked: it keeps the colours it has.
enum class Verdict { Unmarked, Right, Wrong };

// What every check gives: a verdict per item, in the order the items were
// handed in, and the number of errors it found.
struct CheckResult {
    std::vector<Verdict> verdicts;
    int errors = 0;
};

// The colour a verdict marks its item with; none for an unmarked item.
inline std::optional<QColor> markColor(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return palette::color(palette::Lime);
    case Verdict::Wrong:
        return palette::color(palette::Red);
    case Verdict::Unmarked:
        break;
    }
    return std::nullopt;
}

} // namespace parta
