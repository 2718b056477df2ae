#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form16, НЕ with participles and gerunds.
std::unique_ptr<QWidget> createNegationWindow(Shell &shell);

} // namespace parta
