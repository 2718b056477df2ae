#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form3 and Form4, the topic menus of grades 7 and 8.
std::unique_ptr<QWidget> createGradeMenu(int number, Shell &shell);

} // namespace parta
