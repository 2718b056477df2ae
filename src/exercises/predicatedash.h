#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form23, the dash between subject and predicate.
std::unique_ptr<QWidget> createPredicateDashWindow(Navigation &navigation);

} // namespace parta
