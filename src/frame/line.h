#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace parta {

// A straight coloured line between two points of its window. The widget covers
// the line's bounding box and lets clicks through.
class Line : public QWidget {
    Q_OBJECT
public:
    // Points are in pixels of the parent window.
    Line(QWidget *parent, QLine line, QColor color, int width);

    QLine line() const { return windowLine; }
    QColor color() const { return lineColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine windowLine;
    QColor lineColor;
    int lineWidth;
};

} // namespace parta
