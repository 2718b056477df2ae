#pragma once

#include "gappedword.h"

namespace parta::content {

// Vocabulary work: fifteen dictionary words a variant, by box index, in the
// grade-7 and the grade-8 window.
inline constexpr int vocabularyVariants = 2;
GappedWords grade7VocabularyVariant(int variant);
GappedWords grade8VocabularyVariant(int variant);

// The task of both vocabulary windows.
extern const char *const vocabularyTask;

} // namespace parta::content
