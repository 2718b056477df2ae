#pragma once

#include <array>

namespace parta::content {

// The comma exercise: ten sentences with participial phrases, printed without
// commas. Each place where a comma may go is written as three spaces.

// The sentences as the document prints them, without their numbers.
extern const std::array<const char *, 10> participialSentences;

// One place where a comma may go: the gap after a word of a sentence, the box
// that lies over it, and whether a comma belongs there.
struct CommaPlace {
    int sentence;           // 1 to 10
    const char *wordBefore; // the word the gap follows
    const char *box;
    bool comma;
};

// Every place, in reading order.
extern const std::array<CommaPlace, 27> commaPlaces;

// The boxes in the order the check reads them: the ten comma places, then the others.
extern const std::array<const char *, 27> commaCheckOrder;

extern const char *const participialCommasTask;

} // namespace parta::content
