#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Builds the window Form<number> in its initial state.
std::unique_ptr<QWidget> createWindow(int number, Shell &shell);

} // namespace parta
