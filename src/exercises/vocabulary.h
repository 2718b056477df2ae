#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form25 and Form26, vocabulary work of grades 7 and 8.
std::unique_ptr<QWidget> createVocabularyWindow(int number, Navigation &navigation);

} // namespace parta
