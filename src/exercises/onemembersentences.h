#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form18, one-member sentences.
std::unique_ptr<QWidget> createOneMemberSentencesWindow(Shell &shell);

} // namespace parta
