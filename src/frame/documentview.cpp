#include "documentview.h"

#include "paragraphlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace parta {

namespace {

// Lays a document out to a width. Setting a width lays the whole document out
// again even when it is the width it has, so that is left alone.
void layOutToWidth(QTextDocument &document, qreal width)
{
    if (document.textWidth() != width)
        document.setTextWidth(width);
}

} // namespace

DocumentView::DocumentView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

DocumentView::~DocumentView() = default;

void DocumentView::setPicture(const QString &resource)
{
    sourceName = resource;
    delete picture;
    picture = new QSvgRenderer(resource, this);
    update();
}

void DocumentView::setDocument(const QString &html, bool shadow)
{
    delete document;
    delete shadowDocument;
    shadowDocument = nullptr;
    document = new QTextDocument(this);
    document->setDocumentMargin(4);
    document->setHtml(html);
    if (shadow) {
        shadowDocument = document->clone(this);
        QTextCursor everything(shadowDocument);
        everything.select(QTextCursor::Document);
        QTextCharFormat grey;
        grey.setForeground(QColor(160, 160, 160));
        everything.mergeCharFormat(grey);
    }
    update();
}

void DocumentView::setParagraph(const QString &text, const ParagraphFormat &format)
{
    paragraphLayout = std::make_unique<ParagraphLayout>(text, format);
    update();
}

QSizeF DocumentView::documentSize() const
{
    if (paragraphLayout)
        return paragraphLayout->size();
    if (!document)
        return {};
    layOutToWidth(*document, width());
    return document->size();
}

QString DocumentView::text() const
{
    if (paragraphLayout)
        return paragraphLayout->text();
    return document ? document->toPlainText() : QString();
}

QRectF DocumentView::textRect(int position, int length) const
{
    if (paragraphLayout)
        return paragraphLayout->textRect(position, length);
    if (!document || position < 0 || length < 0)
        return {};
    layOutToWidth(*document, width());
    const QTextBlock block = document->findBlock(position);
    if (!block.isValid() || position >= block.position() + block.length())
        return {};
    // Asking for the block's place lays the document out first.
    const QRectF blockRect = document->documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    const int start = position - block.position();
    const QTextLine line = layout->lineForTextPosition(start);
    if (!line.isValid())
        return {};
    const int end = std::min(start + length, line.textStart() + line.textLength());
    // Where the block's lines are measured from, in the view.
    const QPointF origin = blockRect.topLeft() - layout->boundingRect().topLeft();
    const qreal left = line.cursorToX(start);
    const qreal right = line.cursorToX(end);
    return QRectF(origin.x() + left, origin.y() + line.y(), right - left, line.height());
}

bool DocumentView::hasContent() const
{
    return (picture && picture->isValid()) || (document && !document->isEmpty()) ||
           (paragraphLayout && !paragraphLayout->text().isEmpty());
}

void DocumentView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (picture && picture->isValid())
        picture->render(&painter, QRectF(rect()));
    if (shadowDocument) {
        layOutToWidth(*shadowDocument, width());
        painter.save();
        painter.translate(1, 1);
        shadowDocument->drawContents(&painter, QRectF(rect()));
        painter.restore();
    }
    if (document) {
        layOutToWidth(*document, width());
        document->drawContents(&painter, QRectF(rect()));
    }
    if (paragraphLayout) {
        painter.setPen(Qt::black);
        paragraphLayout->draw(painter);
    }
}

} // namespace parta
