#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form18, one-member sentences.
std::unique_ptr<QWidget> createOneMemberSentencesWindow(Navigation &navigation);

} // namespace parta
