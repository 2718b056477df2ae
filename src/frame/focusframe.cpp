#include "focusframe.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace parta {

bool showsKeyboardFocus(const QWidget *control)
{
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void drawFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect frame = rect.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 2, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(frame);
    painter.restore();
}

} // namespace parta
