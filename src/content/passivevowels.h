#pragma once

#include "gappedword.h"

namespace parta::content {

// The vowels before н in passive participles: eighteen participles a variant,
// in the order they stand on screen, column by column.
inline constexpr int passiveVowelsVariants = 2;
GappedWords passiveVowelsVariant(int variant);

extern const char *const passiveVowelsTask;

} // namespace parta::content
