#pragma once

#include "core/marks.h"

#include <vector>

namespace parta {

struct SelectionVerdicts {
    std::vector<Verdict> verdicts; // one per item
    int errors = 0;
};

// Checks items that the pupil selects or leaves: a selected key item is right, a
// missed key item and a selected other item are wrong, an other item left alone
// stays unmarked. Items beyond the shorter of the two lists are not checked.
SelectionVerdicts checkSelection(const std::vector<bool> &selected, const std::vector<bool> &key);

} // namespace parta
