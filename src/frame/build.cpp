#include "build.h"

#include "button.h"
#include "documentview.h"
#include "label.h"
#include "textbox.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

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
    palette.setColor(QPalette::All, role, color);
    control->setPalette(palette);
}

Label *addLabel(QWidget *window, const LabelSpec &spec)
{
    auto *label = new Label(text(spec.caption), window);
    place(label, spec.name, spec.rect);
    label->setFont(makeFont(spec.font));
    label->setAlignment(horizontal(spec.alignment) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setTextFormat(Qt::PlainText);
    if (spec.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    label->setAutoFillBackground(spec.background.has_value());
    if (spec.background)
        setBackground(label, spec.background->toColor());
    setForeground(label, spec.text.toColor());
    if (spec.helpCursor)
        label->setCursor(Qt::WhatsThisCursor);
    return label;
}

Button *addButton(QWidget *window, const ButtonSpec &spec)
{
    auto *button = new Button(text(spec.caption), window);
    place(button, spec.name, spec.rect);
    button->setFont(makeFont(spec.font));
    button->setAutoDefault(false);
    setBackground(button, spec.face.toColor());
    setForeground(button, Qt::black);
    if (spec.helpCursor)
        button->setCursor(Qt::WhatsThisCursor);
    return button;
}

TextBox *addTextBox(QWidget *window, const TextBoxSpec &spec)
{
    auto *box = new TextBox(window);
    place(box, spec.name, spec.rect);
    box->setText(text(spec.text));
    box->setFont(makeFont(spec.font));
    box->setAlignment(horizontal(spec.alignment) | Qt::AlignVCenter);
    box->setFrame(spec.border);
    setBackground(box, spec.background.toColor());
    setForeground(box, spec.textColor.toColor());
    if (spec.toolTip)
        box->setToolTip(text(spec.toolTip));
    if (spec.maxLength > 0)
        box->setMaxLength(spec.maxLength);
    return box;
}

DocumentView *addDocument(QWidget *window, const DocumentSpec &spec)
{
    auto *view = new DocumentView(window);
    place(view, spec.name, spec.rect);
    setBackground(view, spec.background.toColor());
    if (spec.picture)
        view->setPicture(text(spec.picture));
    if (spec.document)
        view->setDocument(resourceText(text(spec.document)), spec.shadow);
    return view;
}

} // namespace parta
