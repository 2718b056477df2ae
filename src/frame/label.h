#pragma once

#include <QLabel>

namespace parta {

// A static text that reports a click, as every label of the program can.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};

} // namespace parta
