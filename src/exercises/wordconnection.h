#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form5: picks the variant of the word-connection exercise.
std::unique_ptr<QWidget> createWordConnectionChooser(Shell &shell);
// Form9, Form10, Form11: variants I, II and III of the word-connection exercise.
std::unique_ptr<QWidget> createWordConnectionWindow(int number, Shell &shell);

} // namespace parta
