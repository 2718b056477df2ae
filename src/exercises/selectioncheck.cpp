#include "selectioncheck.h"

#include <algorithm>

namespace parta {

SelectionVerdicts checkSelection(const std::vector<bool> &selected, const std::vector<bool> &key)
{
    SelectionVerdicts result;
    const std::size_t count = std::min(selected.size(), key.size());
    result.verdicts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Verdict verdict = Verdict::Unmarked;
        if (key[i])
            verdict = selected[i] ? Verdict::Right : Verdict::Wrong;
        else if (selected[i])
            verdict = Verdict::Wrong;
        if (verdict == Verdict::Wrong)
            ++result.errors;
        result.verdicts.push_back(verdict);
    }
    return result;
}

} // namespace parta
