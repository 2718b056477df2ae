#pragma once

#include <span>

namespace parta::content {

// A word with a gap, shown in one box of an array of word boxes: "Задание"
// writes `gapped` into the box (the word with one space where its missing
// letters belong), and the check wants `word` there, the full word.
struct GappedWord {
    int box; // the index of the box in its control array
    const char *gapped;
    const char *word;
};

// The words of one variant, in the order the check marks them.
using GappedWords = std::span<const GappedWord>;

} // namespace parta::content
