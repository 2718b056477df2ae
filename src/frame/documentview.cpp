#include "documentview.h"

#include <QPainter>
#include <QSvgRenderer>
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

void DocumentView::setDocument(const QString &html)
{
    sourceName = QStringLiteral("document");
    if (!document)
        document = new QTextDocument(this);
    document->setDocumentMargin(4);
    document->setHtml(html);
    update();
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
    if (document) {
        document->setTextWidth(width());
        document->drawContents(&painter, QRectF(rect()));
    }
}

} // namespace parta
