#include "line.h"

#include <QPainter>
#include <QPen>

namespace parta {

Line::Line(QWidget *parent, QLine line, QColor color, int width)
    : QWidget(parent), windowLine(line), lineColor(color), lineWidth(std::max(1, width))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = lineWidth;
    const QRect box = QRect(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(lineColor, lineWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(windowLine.translated(-pos()));
}

} // namespace parta
