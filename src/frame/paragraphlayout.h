#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

namespace parta {

// How one paragraph of plain text is set. Lengths are in device-independent pixels.
struct ParagraphFormat {
    QFont font;
    qreal wrapWidth = 0;       // lines break at word boundaries before this width
    qreal firstLineIndent = 0; // the first line starts this far right
    qreal lineSpacing = 0;     // from one baseline to the next; 0: the font's own
};

// One paragraph laid out into lines, from its top-left corner: where every
// line breaks, where each character lies, and the drawing of it. A view that
// draws a paragraph and the controls placed over its text use the same layout.
class ParagraphLayout {
public:
    ParagraphLayout(const QString &text, const ParagraphFormat &format);
    ~ParagraphLayout();
    ParagraphLayout(const ParagraphLayout &) = delete;
    ParagraphLayout &operator=(const ParagraphLayout &) = delete;

    QString text() const;
    int lineCount() const;
    // The text of a line, the blanks it ends in included.
    QString lineText(int line) const;
    qreal baseline(int line) const;
    // Where characters [position, position + length) lie, on the line of the
    // first of them (a stretch that wraps is cut at the end of that line); the
    // rectangle is as high as that line. Empty for a position outside the text.
    QRectF textRect(int position, int length) const;
    // The ink of every glyph drawn, each its own rectangle: what must stay in sight.
    std::vector<QRectF> inkRects() const;
    // From the top-left corner to the right end of the longest line and the
    // bottom of the last one.
    QSizeF size() const;

    // Draws the paragraph in the painter's pen, its top-left corner at the origin.
    void draw(QPainter &painter) const;

private:
    std::unique_ptr<QTextLayout> layout;
};

} // namespace parta
