#include "edges.h"

#include <QPainter>

namespace parta {

void drawEdge(QPainter &painter, const QRect &rect, const EdgeShades &shades)
{
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();
    painter.fillRect(x, y, w - 1, 1, shades.outerTopLeft);
    painter.fillRect(x, y, 1, h - 1, shades.outerTopLeft);
    painter.fillRect(x, y + h - 1, w, 1, shades.outerBottomRight);
    painter.fillRect(x + w - 1, y, 1, h, shades.outerBottomRight);
    painter.fillRect(x + 1, y + 1, w - 3, 1, shades.innerTopLeft);
    painter.fillRect(x + 1, y + 1, 1, h - 3, shades.innerTopLeft);
    painter.fillRect(x + 1, y + h - 2, w - 2, 1, shades.innerBottomRight);
    painter.fillRect(x + w - 2, y + 1, 1, h - 2, shades.innerBottomRight);
}

} // namespace parta
