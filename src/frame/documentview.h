#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <memory>

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

    // A picture from the program's resources, drawn to fill the view.
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
    QString sourceName;
    QSvgRenderer *picture = nullptr;
    QTextDocument *document = nullptr;
    QTextDocument *shadowDocument = nullptr;
    std::unique_ptr<ParagraphLayout> paragraphLayout;
};

} // namespace parta
