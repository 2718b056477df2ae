#include "label.h"

#include "focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace parta {

void Label::makeClickable(LabelRole role, std::function<bool()> checked)
{
    labelRole = role;
    checkedState = std::move(checked);
    setFocusPolicy(role == LabelRole::Text ? Qt::NoFocus : Qt::TabFocus);
}

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

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool activates =
        event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (labelRole != LabelRole::Text && activates && !event->isAutoRepeat()) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (showsKeyboardFocus(this)) {
        QPainter painter(this);
        drawFocusFrame(painter, rect().adjusted(1, 1, -1, -1));
    }
}

} // namespace parta
