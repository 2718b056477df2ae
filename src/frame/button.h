#pragma once

#include "laidouttext.h"

#include <QPushButton>

namespace parta {

// A push button with a flat face in exactly its palette's button colour and a
// raised three-dimensional edge; its caption wraps onto a second line when it is
// wider than the button, as the long captions of the footers ("Следующее
// задание") need. A disabled button keeps its face and engraves its caption in
// grey. Space and Enter press the focused button.
//
// The face covers the whole button, and the caption is laid out once and drawn
// from that layout at every paint.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString &text, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    LaidOutText caption;
};

} // namespace parta
