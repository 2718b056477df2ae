#pragma once

#include "verdict.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace parta {

// The checks of the exercises: the pupil's answers and the key go in, a verdict
// per item and the number of errors come out. No widgets: the windows read
// their controls, call one of these and paint the verdicts.
//
// Where two lists go in, items beyond the shorter one are not checked.

// Items the pupil selects or leaves (phrases, НЕ items, comma places): a
// selected key item is right, a missed key item and a selected other item are
// wrong, an other item left alone stays unmarked.
CheckResult checkSelection(const std::vector<bool> &selected, const std::vector<bool> &key);

// Typed digits: each answer is read by its leading-number value (so " 2", "2."
// and "2а" read as 2, an empty or unreadable answer as 0) and is right when that
// equals its key.
CheckResult checkNumberAnswers(const QStringList &answers, const std::vector<int> &key);

// Typed texts: an answer is right when its whole text equals one of its
// accepted forms, character for character and case-sensitively, with no
// trimming and no other normalisation.
CheckResult checkTypedAnswers(const QStringList &answers, const std::vector<QStringList> &accepted);

// Questions with one right option each: a selected right option is right, a
// selected other option is wrong and an error, an option left alone stays
// unmarked, and a question with no option selected is one error more, with
// nothing marked. `selected` holds the options of each question in turn;
// `rightOption` the index of each question's right option. The verdicts are
// those of the options, question after question.
CheckResult checkSingleChoice(const std::vector<std::vector<bool>> &selected,
                              const std::vector<int> &rightOption);

// The text with every space (U+0020) deleted; no other character is touched,
// so tabs and no-break spaces stay.
QString deleteSpaces(const QString &text);

// Words typed into gaps: an answer is right when, with its spaces deleted (see
// deleteSpaces), it equals its word character for character and
// case-sensitively.
CheckResult checkGappedWords(const QStringList &answers, const QStringList &words);

} // namespace parta
