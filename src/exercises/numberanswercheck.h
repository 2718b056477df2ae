#pragma once

#include "core/marks.h"

#include <QString>

#include <vector>

namespace parta {

struct AnswerVerdicts {
    std::vector<Verdict> verdicts; // Right or Wrong, one per answer
    int errors = 0;
};

// Checks typed digits: each answer is read by its leading-number value (so " 2",
// "2." and "2а" read as 2, and an empty or unreadable answer as 0) and is right
// when that equals its key. Answers beyond the shorter list are not checked.
AnswerVerdicts checkNumberAnswers(const std::vector<QString> &answers, const std::vector<int> &key);

} // namespace parta
