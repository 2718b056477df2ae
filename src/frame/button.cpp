#include "button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace parta {

void Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(edge + 1, edge + 1, -edge - 1, -edge - 1);
        focus.backgroundColor = face.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace parta
