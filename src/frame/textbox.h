#pragma once

#include <QLineEdit>

namespace parta {

// A one-line text box. It takes text of any length, as the variant field and
// the answer boxes must.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);
};

} // namespace parta
