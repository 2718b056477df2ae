#pragma once

#include "content/gappedword.h"
#include "core/twips.h"
#include "frame/topic.h"

#include <span>
#include <vector>

namespace parta {

// The items of the windows whose pupil fills in gapped words: an array of word
// boxes, `Text1(0)` onwards. "Задание" writes each word of the variant with its
// gap into its box; the check deletes every space from every box, shows what
// is left, and compares that with the full word. A window's own topic builds
// its other controls and places the boxes.
class GappedWordsTopic : public Topic {
public:
    using VariantWords = content::GappedWords (*)(int variant);
    explicit GappedWordsTopic(VariantWords variantWords);

    void startNewTask() override;
    void load(int variant) override;
    ItemMarks check(int variant) override;
    void leave() override;

protected:
    // Builds the word boxes at their places, given by index, all in the look
    // they share: empty, in the system's text colour.
    void addWordBoxes(QWidget *window, std::span<const TwipsRect> places);

private:
    VariantWords variantWords;
    std::vector<QWidget *> boxes; // by index
};

} // namespace parta
