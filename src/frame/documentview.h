#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QSvgRenderer;
class QTextDocument;

namespace parta {

// Shows a stored picture (SVG) or formatted document (HTML) on a background
// colour. The pupil cannot edit it; clicks pass through to what lies beneath.
class DocumentView : public QWidget {
    Q_OBJECT
public:
    explicit DocumentView(QWidget *parent);
    ~DocumentView() override;

    // A picture from the program's resources, drawn to fill the view.
    void setPicture(const QString &resource);
    // A formatted document, laid out to the view's width; with a shadow, a grey
    // copy of its letters lies one pixel down and to the right.
    void setDocument(const QString &html, bool shadow = false);

    QString source() const { return sourceName; }
    // The document's text, empty for a picture.
    QString text() const;
    // The size the document takes when laid out to the view's width.
    QSizeF documentSize() const;
    bool hasContent() const;
    // Where characters [position, position + length) of the document's text
    // lie in the view, on the line of the first of them (a stretch that wraps
    // is cut at the end of that line); empty for a picture or a position
    // outside the text.
    QRectF textRect(int position, int length) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString sourceName;
    QSvgRenderer *picture = nullptr;
    QTextDocument *document = nullptr;
    QTextDocument *shadowDocument = nullptr;
};

} // namespace parta
