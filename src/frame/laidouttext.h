#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;

namespace parta {

// A caption laid out once and drawn as often as it is painted.
// QPainter::drawText(rect, flags, text) shapes its text again on every call,
// which is most of the cost of painting a button. This lays the text out the
// way that call does for word-wrapped text with an alignment (line by line on
// whole pixels, the last line laid out the one that reaches the foot of the
// rectangle, clipped to the rectangle when it does not fit) and draws the same
// pixels without shaping. A caption with "&" draws it as it stands, as
// drawText does without Qt::TextShowMnemonic; tabs are not expanded.
class LaidOutText {
public:
    // Draws `text` in `font` into `rect`, aligned as `alignment` says and
    // wrapped at word boundaries, in the painter's pen; the text is laid out
    // again only when the text, the font (or the resolution it is drawn at) or
    // the rectangle's size changed.
    void draw(QPainter &painter, const QRectF &rect, Qt::Alignment alignment, const QString &text,
              const QFont &font);

private:
    void layOut(const QString &text, const QFont &font, const QSizeF &size);

    QString laidOutText;
    QFont laidOutFont;
    int laidOutResolution = 0;
    QSizeF laidOutSize{-1, -1};
    std::unique_ptr<QTextLayout> layout;
    qreal width = 0;  // of the widest line
    qreal height = 0; // of all the lines
};

} // namespace parta
