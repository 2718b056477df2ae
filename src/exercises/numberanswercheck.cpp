#include "numberanswercheck.h"

#include "core/numberfield.h"

#include <algorithm>

namespace parta {

AnswerVerdicts checkNumberAnswers(const std::vector<QString> &answers, const std::vector<int> &key)
{
    AnswerVerdicts result;
    const std::size_t count = std::min(answers.size(), key.size());
    for (std::size_t i = 0; i < count; ++i) {
        const bool right = leadingNumberValue(answers[i]) == key[i];
        result.verdicts.push_back(right ? Verdict::Right : Verdict::Wrong);
        result.errors += right ? 0 : 1;
    }
    return result;
}

} // namespace parta
