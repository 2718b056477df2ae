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
    // A formatted document, laid out to the view's width.
    void setDocument(const QString &html);

    QString source() const { return sourceName; }
    bool hasContent() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString sourceName;
    QSvgRenderer *picture = nullptr;
    QTextDocument *document = nullptr;
};

} // namespace parta
