#include "gappedwords.h"

#include "core/checks.h"
#include "frame/build.h"
#include "frame/items.h"
#include "frame/textbox.h"

#include <string>

namespace parta {

namespace {

// The colour of the words while they are answered.
const QColor wordColour = palette::color(palette::Navy);

} // namespace

GappedWordsTopic::GappedWordsTopic(VariantWords variantWords_) : variantWords(variantWords_) {}

void GappedWordsTopic::addWordBoxes(QWidget *window, std::span<const TwipsRect> places)
{
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::string name = "Text1(" + std::to_string(i) + ")";
        boxes.push_back(addTextBox(window, {.name = name.c_str(),
                                            .rect = places[i],
                                            .font = {Face::TimesNewRoman, 20.25},
                                            .background = {255, 255, 0},
                                            .systemTextColour = true}));
    }
    // A screen reader counts the words in the order the pupil reads them.
    int number = 0;
    for (const content::GappedWord &word : variantWords(1))
        boxes.at(static_cast<std::size_t>(word.box))
            ->setAccessibleName(QStringLiteral("Слово %1").arg(++number));
}

void GappedWordsTopic::startNewTask()
{
    paintAll(boxes, wordColour, ItemColour::Text);
}

void GappedWordsTopic::load(int variant)
{
    for (const content::GappedWord &word : variantWords(variant))
        setText(boxes.at(static_cast<std::size_t>(word.box)), QString::fromUtf8(word.gapped));
}

ItemMarks GappedWordsTopic::check(int variant)
{
    const QStringList texts = deleteSpacesIn(boxes);
    ItemMarks marks;
    QStringList answers;
    QStringList words;
    for (const content::GappedWord &word : variantWords(variant)) {
        marks.items.push_back(boxes.at(static_cast<std::size_t>(word.box)));
        answers.append(texts.at(word.box));
        words.append(QString::fromUtf8(word.word));
    }
    marks.result = checkGappedWords(answers, words);
    return marks;
}

void GappedWordsTopic::leave()
{
    paintAll(boxes, wordColour, ItemColour::Text);
    clearTexts(boxes);
}

} // namespace parta
