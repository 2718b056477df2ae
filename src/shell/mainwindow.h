#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form1, the main window: the two grades, "О программе" and "Выход".
std::unique_ptr<QWidget> createMainWindow(Shell &shell);

} // namespace parta
