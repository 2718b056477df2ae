#pragma once

#include <QPushButton>

namespace parta {

// A push button whose caption wraps onto a second line when it is wider than the
// button, as the long captions of the footers ("Следующее задание") need.
class Button : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace parta
