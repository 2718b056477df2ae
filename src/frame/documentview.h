#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QSvgRenderer;
class QTextDocument;

namespace parta {

class ParagraphLayout;
struct ParagraphFormat;

// Shows a stored picture (SVG), formatted document (HTML) or one paragraph of
// plain text on a background colour. The pupil cannot edit it; clicks pass
// through to what lies beneath.
class DocumentView : public QWidget {
    Q_OBJECT
public:
    explicit DocumentView(QWidget *parent);
    ~DocumentView() override;

    // A picture from the program's resources (an SVG file), drawn to fill the
    // view. Where the build prepared the picture's pixels at its own size (a
    // file of the same name ending in ".argb"), a view of that size at a scale
    // of 1 shows those and never reads the SVG.
    void setPicture(const QString &resource);
    // A formatted document, laid out to the view's width; with a shadow, a grey
    // copy of its letters lies one pixel down and to the right.
    void setDocument(const QString &html, bool shadow = false);
    // One paragraph of plain text set as the format says, drawn in black from
    // the view's top-left corner at its natural size.
    void setParagraph(const QString &text, const ParagraphFormat &format);
    // The layout the paragraph is drawn with; null when the view shows no paragraph.
    const ParagraphLayout *paragraph() const { return paragraphLayout.get(); }

    QString source() const { return sourceName; }
    // The document's (or paragraph's) text, empty for a picture.
    QString text() const;
    // The size the document takes when laid out to the view's width; a
    // paragraph's natural size.
    QSizeF documentSize() const;
    bool hasContent() const;
    // Where characters [position, position + length) of the document's text
    // lie in the view, on the line of the first of them (a stretch that wraps
    // is cut at the end of that line); empty for a picture or a position
    // outside the text. In a paragraph, blanks that end a line are measured
    // where they stand, past the wrap width if need be.
    QRectF textRect(int position, int length) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawPicture(QPainter &painter) const;
    const QImage &preparedPicture() const;
    QSvgRenderer &pictureRenderer() const;

    QString sourceName;
    // Both are read the first time the picture is drawn, and only when needed.
    mutable std::optional<QImage> prepared;
    mutable QSvgRenderer *picture = nullptr;
    QTextDocument *document = nullptr;
    QTextDocument *shadowDocument = nullptr;
    std::unique_ptr<ParagraphLayout> paragraphLayout;
};

} // namespace parta
