#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace parta {

// Whether the control has the focus and the pupil moved it there with the
// keyboard: only then is a focus frame drawn, so a mouse user sees none.
bool showsKeyboardFocus(const QWidget *control);

// A two-tone frame, black dashes on white, inside the rectangle: it stands out
// on every face and background colour of the program.
void drawFocusFrame(QPainter &painter, const QRect &rect);

} // namespace parta
