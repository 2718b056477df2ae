#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form5: picks the variant of the word-connection exercise.
std::unique_ptr<QWidget> createWordConnectionChooser(Navigation &navigation);
// Form9, Form10, Form11: variants I, II and III of the word-connection exercise.
std::unique_ptr<QWidget> createWordConnectionWindow(int number, Navigation &navigation);

} // namespace parta
