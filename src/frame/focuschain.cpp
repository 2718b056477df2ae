#include "focuschain.h"

#include "label.h"

#include <QWidget>

namespace parta {

void appendClickableLabels(QWidget *window, QWidget *last)
{
    QList<Label *> labels;
    for (Label *label : window->findChildren<Label *>()) {
        if (label->focusPolicy() & Qt::TabFocus)
            labels.append(label);
    }
    if (labels.isEmpty())
        return;
    if (!last) {
        // The last control that Tab reaches before coming back round to the first.
        for (QWidget *next = window->nextInFocusChain(); next && next != window;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && !qobject_cast<Label *>(next))
                last = next;
        }
    }
    if (!last)
        return;
    for (Label *label : labels) {
        QWidget::setTabOrder(last, label);
        last = label;
    }
}

} // namespace parta
