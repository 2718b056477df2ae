#pragma once

#include <memory>

class QWidget;

namespace parta {

class Shell;

// The pop-up windows: About (Form2), the rule windows, the praise window
// (Form20) and the help windows (Form27 to Form41). Each has one button that
// hides it.
std::unique_ptr<QWidget> createInformationWindow(int number, Shell &shell);

} // namespace parta
