#include "textbox.h"

#include "edges.h"

#include <QEvent>
#include <QPainter>

#include <limits>

namespace parta {

namespace {

// The sunken edge: grey and dark grey above and left, white and light grey
// below and right.
const EdgeShades sunken = {QColor(160, 160, 160), QColor(255, 255, 255), QColor(105, 105, 105),
                           QColor(227, 227, 227)};

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    // The style draws no frame: the box draws its own edge.
    QLineEdit::setFrame(false);
    setBorder(true);
    coverWhenOpaque();
}

void TextBox::coverWhenOpaque()
{
    // Without the style's frame the box fills all of its place with its
    // background colour; when that colour is opaque, nothing under the box
    // needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, palette().color(QPalette::Base).alpha() == 255);
}

void TextBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        coverWhenOpaque();
    QLineEdit::changeEvent(event);
}

void TextBox::setBorder(bool bordered)
{
    border = bordered;
    // The text stands where it stood inside the style's own frame.
    const int inset = bordered ? 1 : 0;
    setTextMargins(inset, inset, inset, inset);
    update();
}

void TextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!border)
        return;
    QPainter painter(this);
    drawEdge(painter, rect(), sunken);
}

} // namespace parta
