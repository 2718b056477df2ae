#include "button.h"

#include "edges.h"
#include "focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace parta {

Button::Button(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    // The face covers every pixel: nothing under the button needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool Button::event(QEvent *event)
{
    const bool handled = QPushButton::event(event);
    // Polishing a push button, the style marks it as one that lets what lies
    // under it show through, and Qt would paint the window under it first;
    // and as one that looks different under the pointer, and Qt would paint
    // it whenever the pointer comes or goes. Ours is opaque and has no such
    // look.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_Hover, false);
    }
    return handled;
}

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect().adjusted(2, 2, -2, -2), colours.brush(QPalette::Button));
    // Raised, or sunken while pressed.
    const EdgeShades shades =
        isDown() ? EdgeShades{colours.color(QPalette::Shadow), colours.color(QPalette::Light),
                              colours.color(QPalette::Dark), colours.color(QPalette::Button)}
                 : EdgeShades{colours.color(QPalette::Light), colours.color(QPalette::Shadow),
                              colours.color(QPalette::Button), colours.color(QPalette::Dark)};
    drawEdge(painter, rect(), shades);

    constexpr int edge = 3;
    // A caption of two lines may use the full height; only the edge clips it.
    QRect captionArea = rect().adjusted(edge, 0, -edge, 0);
    if (isDown())
        captionArea.translate(1, 1);
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        caption.draw(painter, captionArea, Qt::AlignCenter, text(), font());
    } else {
        // Engraved grey, legible on light faces and dark ones alike.
        painter.setPen(Qt::white);
        caption.draw(painter, captionArea.translated(1, 1), Qt::AlignCenter, text(), font());
        painter.setPen(QColor(128, 128, 128));
        caption.draw(painter, captionArea, Qt::AlignCenter, text(), font());
    }

    if (showsKeyboardFocus(this))
        drawFocusFrame(painter, rect().adjusted(edge, edge, -edge, -edge));
}

void Button::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::focusInEvent(QFocusEvent *event)
{
    // Qt paints a button again when it gains the focus. Ours looks the same
    // unless the focus came from the keyboard and it shows the focus frame;
    // the paint Qt would add when a window first gets its focus comes right
    // after the window's first paint, and waits for the screen to take that.
    if (autoDefault()) {
        QPushButton::focusInEvent(event);
        return;
    }
    if (showsKeyboardFocus(this))
        update();
}

void Button::mouseReleaseEvent(QMouseEvent *event)
{
    // Qt paints a released button at once, and what the click changes a moment
    // later: two paints, each sent to the screen. The button holds its paint
    // back while the click is handled and comes up with everything else.
    const QPointer<Button> alive(this);
    setUpdatesEnabled(false);
    QPushButton::mouseReleaseEvent(event);
    if (alive)
        setUpdatesEnabled(true);
}

} // namespace parta
