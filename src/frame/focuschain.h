#pragma once

class QWidget;

namespace parta {

// Puts the window's clickable labels ("Справка", the items the pupil selects)
// into its Tab order right after `last`, in the order they were built, so that
// the order of its other controls stays as it is. Without `last` they follow
// the last of the other controls of the window's focus chain. Tab goes round
// in a ring, so the control that has the focus when the window first comes up
// is set by the window itself.
void appendClickableLabels(QWidget *window, QWidget *last = nullptr);

} // namespace parta
