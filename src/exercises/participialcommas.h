#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form13, commas around participial phrases.
std::unique_ptr<QWidget> createParticipialCommasWindow(Navigation &navigation);

} // namespace parta
