#include "laidouttext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>

#include <cmath>

namespace parta {

void LaidOutText::layOut(const QString &text, const QFont &font, const QSizeF &size)
{
    // Line breaks as drawText reads them: a carriage return is a blank.
    QString lines = text;
    for (QChar &c : lines) {
        if (c == u'\r')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    layout = std::make_unique<QTextLayout>(lines, font);
    layout->setCacheEnabled(true);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    // Each line is placed by draw(): the layout itself aligns nothing.
    option.setAlignment(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);

    width = 0;
    if (lines.isEmpty()) {
        height = QFontMetricsF(font).height();
        return;
    }
    const qreal leading = QFontMetricsF(font).leading();
    height = -leading;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(std::max<qreal>(0, size.width()));
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        // Lines past the foot of the rectangle are not laid out at all.
        if (height >= size.height())
            break;
    }
    layout->endLayout();
}

void LaidOutText::draw(QPainter &painter, const QRectF &rect, Qt::Alignment alignment, const QString &text,
                       const QFont &font)
{
    // The font as the painter's device sizes it, as drawText takes it: a
    // window on a screen of another resolution lays its captions out anew.
    // (Fonts compare equal whatever resolution they are sized for.)
    const int resolution = painter.device()->logicalDpiY();
    if (!layout || text != laidOutText || font != laidOutFont || resolution != laidOutResolution ||
        rect.size() != laidOutSize) {
        laidOutText = text;
        laidOutFont = font;
        laidOutResolution = resolution;
        laidOutSize = rect.size();
        layOut(text, QFont(font, painter.device()), rect.size());
    }
    if (text.isEmpty())
        return;

    qreal top = 0;
    if (alignment & Qt::AlignBottom)
        top = rect.height() - height;
    else if (alignment & Qt::AlignVCenter)
        top = (rect.height() - height) / 2;
    qreal left = 0;
    if (alignment & Qt::AlignRight)
        left = rect.width() - width;
    else if (alignment & Qt::AlignHCenter)
        left = (rect.width() - width) / 2;
    const bool clipped = !rect.contains(QRectF(rect.x() + left, rect.y() + top, width, height));
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        qreal lineLeft = 0;
        if (alignment & Qt::AlignRight)
            lineLeft = rect.width() - line.horizontalAdvance();
        else if (alignment & Qt::AlignHCenter)
            lineLeft = (rect.width() - line.horizontalAdvance()) / 2;
        line.draw(&painter, QPointF(rect.x() + lineLeft, rect.y() + top));
    }
    if (clipped)
        painter.restore();
}

} // namespace parta
