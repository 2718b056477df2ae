#include "label.h"

#include "focusframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

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

bool Label::drawsItsOwnText() const
{
    // The labels of the windows: plain text, wrapped, no margin nor indent.
    // Anything else is left to QLabel.
    return textFormat() == Qt::PlainText && wordWrap() && margin() == 0 && indent() == 0;
}

bool Label::event(QEvent *event)
{
    // QLabel makes a label that takes the focus a text document when it is
    // first shown, or when it gets the focus, to draw the text with; a label
    // that draws its own text has no use for one.
    if (event->type() == QEvent::Polish && drawsItsOwnText())
        return QFrame::event(event);
    return QLabel::event(event);
}

void Label::focusInEvent(QFocusEvent *event)
{
    if (!drawsItsOwnText()) {
        QLabel::focusInEvent(event);
        return;
    }
    // Such a label looks the same with the focus unless the focus came from
    // the keyboard and it shows the focus frame.
    if (showsKeyboardFocus(this))
        update();
}

void Label::paintEvent(QPaintEvent *event)
{
    const bool laidOutHere = drawsItsOwnText() && isEnabled();
    if (!laidOutHere)
        QLabel::paintEvent(event);
    QPainter painter(this);
    if (laidOutHere) {
        drawFrame(&painter);
        // The colour QLabel's style gives the text.
        QStyleOption option;
        option.initFrom(this);
        painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
        caption.draw(painter, contentsRect(), alignment(), text(), font());
    }
    if (showsKeyboardFocus(this))
        drawFocusFrame(painter, rect().adjusted(1, 1, -1, -1));
}

} // namespace parta
