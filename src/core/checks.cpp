#include "checks.h"

#include "numberfield.h"

#include <algorithm>

namespace parta {

namespace {

// Counts the wrong verdicts into the result as it grows.
void add(CheckResult &result, Verdict verdict)
{
    result.verdicts.push_back(verdict);
    if (verdict == Verdict::Wrong)
        ++result.errors;
}

Verdict rightOrWrong(bool right)
{
    return right ? Verdict::Right : Verdict::Wrong;
}

} // namespace

CheckResult checkSelection(const std::vector<bool> &selected, const std::vector<bool> &key)
{
    CheckResult result;
    const std::size_t count = std::min(selected.size(), key.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (key[i])
            add(result, rightOrWrong(selected[i]));
        else
            add(result, selected[i] ? Verdict::Wrong : Verdict::Unmarked);
    }
    return result;
}

CheckResult checkNumberAnswers(const QStringList &answers, const std::vector<int> &key)
{
    CheckResult result;
    const std::size_t count = std::min(static_cast<std::size_t>(answers.size()), key.size());
    for (std::size_t i = 0; i < count; ++i)
        add(result, rightOrWrong(leadingNumberValue(answers[static_cast<qsizetype>(i)]) == key[i]));
    return result;
}

CheckResult checkTypedAnswers(const QStringList &answers, const std::vector<QStringList> &accepted)
{
    CheckResult result;
    const std::size_t count = std::min(static_cast<std::size_t>(answers.size()), accepted.size());
    for (std::size_t i = 0; i < count; ++i)
        add(result,
            rightOrWrong(accepted[i].contains(answers[static_cast<qsizetype>(i)], Qt::CaseSensitive)));
    return result;
}

CheckResult checkSingleChoice(const std::vector<std::vector<bool>> &selected,
                              const std::vector<int> &rightOption)
{
    CheckResult result;
    const std::size_t count = std::min(selected.size(), rightOption.size());
    for (std::size_t question = 0; question < count; ++question) {
        const std::vector<bool> &options = selected[question];
        for (std::size_t option = 0; option < options.size(); ++option) {
            if (options[option])
                add(result, rightOrWrong(static_cast<int>(option) == rightOption[question]));
            else
                add(result, Verdict::Unmarked);
        }
        if (std::none_of(options.begin(), options.end(), [](bool chosen) { return chosen; }))
            ++result.errors;
    }
    return result;
}

QString deleteSpaces(const QString &text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

CheckResult checkGappedWords(const QStringList &answers, const QStringList &words)
{
    CheckResult result;
    const qsizetype count = std::min(answers.size(), words.size());
    for (qsizetype i = 0; i < count; ++i)
        add(result, rightOrWrong(deleteSpaces(answers[i]) == words[i]));
    return result;
}

} // namespace parta
