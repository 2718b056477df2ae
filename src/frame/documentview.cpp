#include "documentview.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace parta {

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

QSizeF DocumentView::documentSize() const
{
    if (!document)
        return {};
    document->setTextWidth(width());
    return document->size();
}

QString DocumentView::text() const
{
    return document ? document->toPlainText() : QString();
}

bool DocumentView::hasContent() const
{
    return (picture && picture->isValid()) || (document && !document->isEmpty());
}

void DocumentView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (picture && picture->isValid())
        picture->render(&painter, QRectF(rect()));
    if (shadowDocument) {
        shadowDocument->setTextWidth(width());
        painter.save();
        painter.translate(1, 1);
        shadowDocument->drawContents(&painter, QRectF(rect()));
        painter.restore();
    }
    if (document) {
        document->setTextWidth(width());
        document->drawContents(&painter, QRectF(rect()));
    }
}

} // namespace parta
