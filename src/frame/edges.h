#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace parta {

// The two-pixel three-dimensional edge of the classic controls: an outer and
// an inner ring, each in one colour above and left and another below and
// right. Drawn as filled rectangles, which the raster engine draws far quicker
// than lines.
struct EdgeShades {
    QColor outerTopLeft;
    QColor outerBottomRight;
    QColor innerTopLeft;
    QColor innerBottomRight;
};

void drawEdge(QPainter &painter, const QRect &rect, const EdgeShades &shades);

} // namespace parta
