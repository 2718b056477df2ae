#include "button.h"

#include "edges.h"
#include "focusframe.h"

#include <QKeyEvent>
#include <QPainter>

namespace parta {

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
    painter.setFont(font());
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(captionArea, flags, text());
    } else {
        // Engraved grey, legible on light faces and dark ones alike.
        painter.setPen(Qt::white);
        painter.drawText(captionArea.translated(1, 1), flags, text());
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(captionArea, flags, text());
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

} // namespace parta
