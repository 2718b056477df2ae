#include "paragraphlayout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace parta {

namespace {

// Where the cursor before `position` stands on the line. Blanks that end a line
// hang past its width, where the text layout would pin them to the edge: they
// are measured from the end of the line's last word.
qreal cursorX(const QTextLayout &layout, const QTextLine &line, int position)
{
    const QString &text = layout.text();
    int blanksStart = line.textStart() + line.textLength();
    while (blanksStart > line.textStart() && text[blanksStart - 1] == QLatin1Char(' '))
        --blanksStart;
    if (position <= blanksStart)
        return line.cursorToX(position);
    return line.cursorToX(blanksStart) +
           QFontMetricsF(layout.font()).horizontalAdvance(text.mid(blanksStart, position - blanksStart));
}

} // namespace

ParagraphLayout::ParagraphLayout(const QString &text, const ParagraphFormat &format)
    : layout(std::make_unique<QTextLayout>(text, format.font))
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    qreal top = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        const qreal indent = line.lineNumber() == 0 ? format.firstLineIndent : 0;
        line.setLineWidth(format.wrapWidth - indent);
        line.setPosition(QPointF(indent, top));
        top += format.lineSpacing > 0 ? format.lineSpacing : line.height();
    }
    layout->endLayout();
}

ParagraphLayout::~ParagraphLayout() = default;

QString ParagraphLayout::text() const
{
    return layout->text();
}

int ParagraphLayout::lineCount() const
{
    return layout->lineCount();
}

QString ParagraphLayout::lineText(int line) const
{
    const QTextLine textLine = layout->lineAt(line);
    return textLine.isValid() ? layout->text().mid(textLine.textStart(), textLine.textLength()) : QString();
}

qreal ParagraphLayout::baseline(int line) const
{
    const QTextLine textLine = layout->lineAt(line);
    return textLine.isValid() ? textLine.y() + textLine.ascent() : 0;
}

QRectF ParagraphLayout::textRect(int position, int length) const
{
    if (position < 0 || length < 0 || position >= layout->text().size())
        return {};
    const QTextLine line = layout->lineForTextPosition(position);
    if (!line.isValid())
        return {};
    const int end = std::min(position + length, line.textStart() + line.textLength());
    const qreal left = cursorX(*layout, line, position);
    const qreal right = cursorX(*layout, line, end);
    return QRectF(left, line.y(), right - left, line.height());
}

std::vector<QRectF> ParagraphLayout::inkRects() const
{
    std::vector<QRectF> rects;
    for (const QGlyphRun &run : layout->glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> origins = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF ink = font.boundingRect(glyphs[i]);
            if (!ink.isEmpty())
                rects.push_back(ink.translated(origins[i]));
        }
    }
    return rects;
}

QSizeF ParagraphLayout::size() const
{
    qreal width = 0;
    qreal height = 0;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        width = std::max(width, line.x() + line.naturalTextWidth());
        height = std::max(height, line.y() + line.height());
    }
    return {width, height};
}

void ParagraphLayout::draw(QPainter &painter) const
{
    layout->draw(&painter, QPointF(0, 0));
}

} // namespace parta
