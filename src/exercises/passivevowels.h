#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form21, vowels before н in passive participles.
std::unique_ptr<QWidget> createPassiveVowelsWindow(Shell &shell);

} // namespace parta
