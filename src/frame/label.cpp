#include "label.h"

#include <QMouseEvent>

namespace parta {

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the label.
    const bool wasPressed = pressed;
    pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace parta
