#include "build.h"

#include "button.h"
#include "documentview.h"
#include "label.h"
#include "line.h"
#include "textbox.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>

namespace parta {

namespace {

Qt::Alignment horizontal(Align alignment)
{
    switch (alignment) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8 ? utf8 : "");
}

void place(QWidget *control, const char *name, const TwipsRect &rect)
{
    control->setObjectName(text(name));
    control->setGeometry(rect.toPixels());
}

} // namespace

void tightenToFit(Label *label)
{
    const auto needs = [label] {
        return QFontMetrics(label->font())
            .boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text())
            .height();
    };
    for (int percent = 99; percent >= 90 && needs() > label->contentsRect().height(); --percent) {
        QFont narrower = label->font();
        narrower.setLetterSpacing(QFont::PercentageSpacing, percent);
        label->setFont(narrower);
    }
}

void growToFit(Label *label)
{
    const QRect contents = label->contentsRect();
    const int needed = QFontMetrics(label->font())
                           .boundingRect(contents, Qt::TextWordWrap | label->alignment(), label->text())
                           .height();
    if (needed > contents.height())
        label->resize(label->width(), label->height() + needed - contents.height());
}

QString resourceText(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void setBackground(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    const QPalette::ColorRole role = qobject_cast<QLineEdit *>(control)     ? QPalette::Base
                                     : qobject_cast<QPushButton *>(control) ? QPalette::Button
                                                                            : QPalette::Window;
    palette.setColor(QPalette::All, role, color);
    control->setPalette(palette);
}

void setForeground(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    const QPalette::ColorRole role = qobject_cast<QLineEdit *>(control)     ? QPalette::Text
                                     : qobject_cast<QPushButton *>(control) ? QPalette::ButtonText
                                                                            : QPalette::WindowText;
    // The disabled look keeps the palette's grey, so that a disabled button shows it.
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    control->setPalette(palette);
}

Label *addLabel(QWidget *window, const LabelRow &row)
{
    auto *label = new Label(text(row.caption), window);
    place(label, row.name, row.rect);
    label->setFont(makeFont(row.font));
    label->setAlignment(horizontal(row.alignment) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setTextFormat(Qt::PlainText);
    if (row.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    label->setAutoFillBackground(row.background.has_value());
    if (row.background)
        setBackground(label, row.background->toColor());
    setForeground(label, row.text.toColor());
    if (row.helpCursor) {
        // "Справка": it opens the window's help window, from the keyboard too,
        // and F1 anywhere in the window does what a click on it does.
        label->setCursor(Qt::WhatsThisCursor);
        label->makeClickable(LabelRole::Button);
        auto *helpKey = new QShortcut(QKeySequence(Qt::Key_F1), window);
        QObject::connect(helpKey, &QShortcut::activated, label, &Label::clicked);
    }
    return label;
}

Button *addButton(QWidget *window, const ButtonRow &row)
{
    auto *button = new Button(text(row.caption), window);
    place(button, row.name, row.rect);
    button->setFont(makeFont(row.font));
    button->setAutoDefault(false);
    setBackground(button, row.face.toColor());
    setForeground(button, Qt::black);
    if (row.helpCursor)
        button->setCursor(Qt::WhatsThisCursor);
    return button;
}

TextBox *addTextBox(QWidget *window, const TextBoxRow &row)
{
    auto *box = new TextBox(window);
    place(box, row.name, row.rect);
    box->setText(text(row.text));
    box->setFont(makeFont(row.font));
    box->setAlignment(horizontal(row.alignment) | Qt::AlignVCenter);
    box->setBorder(row.border);
    const QPalette system = QApplication::palette(box);
    setBackground(box, row.systemBackground ? system.color(QPalette::Base) : row.background.toColor());
    setForeground(box, row.systemTextColour ? system.color(QPalette::Text) : row.textColor.toColor());
    if (row.toolTip)
        box->setToolTip(text(row.toolTip));
    if (row.maxLength > 0)
        box->setMaxLength(row.maxLength);
    return box;
}

DocumentView *addDocument(QWidget *window, const DocumentRow &row)
{
    auto *view = new DocumentView(window);
    place(view, row.name, row.rect);
    setBackground(view, row.background.toColor());
    if (row.picture)
        view->setPicture(text(row.picture));
    if (row.document)
        view->setDocument(resourceText(text(row.document)), row.shadow);
    return view;
}

Line *addLine(QWidget *window, const LineRow &row)
{
    const QLine pixels(toPixels(row.x1), toPixels(row.y1), toPixels(row.x2), toPixels(row.y2));
    auto *line = new Line(window, pixels, row.color.toColor(), row.width);
    line->setObjectName(text(row.name));
    return line;
}

} // namespace parta
