#pragma once

#include <array>

namespace parta::content {

// One word combination of the word-connection exercise.
struct Phrase {
    const char *caption; // shown exactly as written, leading and trailing blanks included
    bool key;            // joined by the variant's type of connection: must be selected
};

struct WordConnectionVariant {
    const char *header;             // the header picture naming the type of connection
    const char *taskText;           // the task above the phrases
    std::array<Phrase, 16> phrases; // l1 to l16
};

// Variants 1 (agreement), 2 (government) and 3 (adjacency).
const WordConnectionVariant &wordConnectionVariant(int variant);

// The instruction of the variant chooser.
extern const char *const wordConnectionInstruction;

} // namespace parta::content
