#pragma once

#include "typeditem.h"

#include <array>

namespace parta::content {

// One variant of the branches-of-linguistics exercise: five definitions, each
// with the name of its branch, with a capital or a small letter.
struct LinguisticsBranchesVariant {
    const char *task;              // the task above the definitions
    std::array<TypedItem, 5> rows; // shown: the definition beside the answer box
};

// Variants 1 (Form7) and 2 (Form8).
const LinguisticsBranchesVariant &linguisticsBranchesVariant(int variant);
inline constexpr int linguisticsBranchesVariants = 2;

// The names to choose from, after the blanks that its caption covers.
extern const char *const linguisticsBranchesWordList;

} // namespace parta::content
