#pragma once

#include <array>

namespace parta::content {

// One question of the one-member-sentences test: its caption, its four options
// а) to г) and which of them is right. Captions are shown exactly as written.
struct ChoiceQuestion {
    const char *question;
    std::array<const char *, 4> options;
    int right; // 0 to 3: а), б), в) or г)
};

using OneMemberSentencesVariant = std::array<ChoiceQuestion, 4>;

// Variants 1 to 3.
const OneMemberSentencesVariant &oneMemberSentencesVariant(int variant);
inline constexpr int oneMemberSentencesVariants = 3;

extern const char *const oneMemberSentencesTask;

} // namespace parta::content
