#pragma once

namespace parta {

// Lets a screen reader see the program's clickable labels for what they are:
// an item as a check box, an option as a radio button, "Справка" as a push
// button, each named by its caption without the blanks around it and with the
// action a click has. Safe to call any number of times.
void registerLabelAccessibility();

} // namespace parta
