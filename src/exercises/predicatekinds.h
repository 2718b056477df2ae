#pragma once

#include <memory>

class QWidget;

namespace parta {

class Navigation;

// Form14, predicate kinds.
std::unique_ptr<QWidget> createPredicateKindsWindow(Navigation &navigation);

} // namespace parta
