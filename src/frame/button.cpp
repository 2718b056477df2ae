#include "button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace parta {

void Button::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        textArea.translate(1, 1);
    painter.setFont(font());
    const QPalette::ColorRole role = QPalette::ButtonText;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, role));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

} // namespace parta
