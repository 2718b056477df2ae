#pragma once

#include <array>

namespace parta::content {

// Which member of a pair has НЕ written correctly: the one to be selected.
enum class CorrectMember { Left, Right };

// One pair of the НЕ exercise: the same words with НЕ written together and
// apart. Captions begin with one blank and are shown exactly as written.
struct NegationPair {
    const char *left;
    const char *right;
    CorrectMember correct;
};

using NegationVariant = std::array<NegationPair, 6>;

// Variants 1 to 3.
const NegationVariant &negationVariant(int variant);
inline constexpr int negationVariants = 3;

extern const char *const negationTask;

} // namespace parta::content
