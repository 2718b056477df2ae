#pragma once

#include <array>

namespace parta::content {

// One sentence of the predicate-kinds exercise and the digit of its predicate:
// 1 simple verbal, 2 compound verbal, 3 compound nominal.
struct PredicateSentence {
    const char *text; // begins with one blank, shown as written
    int key;
};

using PredicateKindsVariant = std::array<PredicateSentence, 10>;

// Variants 1 to 3.
const PredicateKindsVariant &predicateKindsVariant(int variant);
inline constexpr int predicateKindsVariants = 3;

extern const char *const predicateKindsTask;

} // namespace parta::content
