#include "documentview.h"

#include "paragraphlayout.h"
#include "rawpixels.h"

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
    picture = nullptr;
    prepared.reset();
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
    const bool showsPicture =
        !sourceName.isEmpty() && (!preparedPicture().isNull() || pictureRenderer().isValid());
    return showsPicture || (document && !document->isEmpty()) ||
           (paragraphLayout && !paragraphLayout->text().isEmpty());
}

const QImage &DocumentView::preparedPicture() const
{
    if (prepared)
        return *prepared;
    prepared.emplace();
    if (!sourceName.endsWith(QStringLiteral(".svg")))
        return *prepared;
    // The pixels are shown where they lie in the program.
    prepared = rawPixels(sourceName.chopped(4) + QStringLiteral(".argb"), size());
    return *prepared;
}

QSvgRenderer &DocumentView::pictureRenderer() const
{
    if (!picture)
        picture = new QSvgRenderer(sourceName, const_cast<DocumentView *>(this));
    return *picture;
}

void DocumentView::drawPicture(QPainter &painter) const
{
    if (devicePixelRatioF() == 1.0 && !preparedPicture().isNull() && preparedPicture().size() == size()) {
        painter.drawImage(0, 0, preparedPicture());
        return;
    }
    QSvgRenderer &renderer = pictureRenderer();
    if (renderer.isValid())
        renderer.render(&painter, QRectF(rect()));
}

void DocumentView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!sourceName.isEmpty())
        drawPicture(painter);
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
