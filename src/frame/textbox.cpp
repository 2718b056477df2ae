#include "textbox.h"

#include "edges.h"

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
