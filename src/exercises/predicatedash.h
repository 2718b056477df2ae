#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// Form23, the dash between subject and predicate.
std::unique_ptr<QWidget> createPredicateDashWindow(Shell &shell);

} // namespace parta
