#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form16, НЕ with participles and gerunds.
std::unique_ptr<QWidget> createNegationWindow(Navigation &navigation);

} // namespace parta
