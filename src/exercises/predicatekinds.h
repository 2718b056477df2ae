#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form14, predicate kinds.
std::unique_ptr<QWidget> createPredicateKindsWindow(Shell &shell);

} // namespace parta
