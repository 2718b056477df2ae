#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form13, commas around participial phrases.
std::unique_ptr<QWidget> createParticipialCommasWindow(Shell &shell);

} // namespace parta
