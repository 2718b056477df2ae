#pragma once

#include "core/verdict.h"

#include <QColor>
#include <QStringList>

#include <vector>

class QWidget;

namespace parta {

// The items of an exercise window as a check sees them: labels and text boxes,
// each with a text and two colours.

// Which colour of an item a check marks, or a reset restores: the background
// of a label or box, or the colour of its text.
enum class ItemColour { Background, Text };

// Marks each item with the colour of its verdict; an unmarked item keeps the
// colours it has. Items and verdicts go in pairs, in the same order. A marked
// item also tells a screen reader its verdict, «верно» or «ошибка», as its
// accessible description, until forgetVerdicts().
void paintVerdicts(const std::vector<QWidget *> &items, const std::vector<Verdict> &verdicts,
                   ItemColour part);
// The items describe themselves again as before their verdicts.
void forgetVerdicts(const std::vector<QWidget *> &items);

// Gives every item the same colour, as a reset does.
void paintAll(const std::vector<QWidget *> &items, const QColor &color, ItemColour part);

// The items of an exercise are labels and text boxes; these read and write the
// caption of a label or the text of a box alike.
QString textOf(const QWidget *item);
QStringList textsOf(const std::vector<QWidget *> &items);
void setText(QWidget *item, const QString &text);
// Empties the caption of every label and the text of every box.
void clearTexts(const std::vector<QWidget *> &items);
// Deletes every space (U+0020) from the text of each item, in their order, and
// shows the result in the item, so that the pupil sees an answer in the form it
// is checked in. Gives the texts as they now stand.
QStringList deleteSpacesIn(const std::vector<QWidget *> &items);

// What a screen reader calls the items: the pattern with the item's number
// from 1, such as «Предложение %1».
void nameItems(const std::vector<QWidget *> &items, const QString &pattern);
// Each item is described by the text of the control beside it (its sentence
// or definition), as that text stands now.
void describeItems(const std::vector<QWidget *> &items, const std::vector<QWidget *> &besides);

} // namespace parta
