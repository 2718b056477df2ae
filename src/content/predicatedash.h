#pragma once

#include "typeditem.h"

#include <array>

namespace parta::content {

// The twelve sentences of one variant of the dash exercise. A sentence is shown
// without its dash in a box of its own; its accepted forms are the sentence
// with the dash (a space before it, after it, or both) where one belongs, or
// the sentence as shown (for some also with one second space) where none does.
using PredicateDashVariant = std::array<TypedItem, 12>;

// Variants 1 and 2.
const PredicateDashVariant &predicateDashVariant(int variant);
inline constexpr int predicateDashVariants = 2;

extern const char *const predicateDashTask;

} // namespace parta::content
