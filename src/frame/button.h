#pragma once

#include <QPixmap>
#include <QPushButton>

#include <array>
#include <memory>

class QPainter;

namespace parta {

// A push button with a flat face in exactly its palette's button colour and a
// raised three-dimensional edge; its caption wraps onto a second line when it is
// wider than the button, as the long captions of the footers ("Следующее
// задание") need. A disabled button keeps its face and engraves its caption in
// grey. Space and Enter press the focused button.
//
// The face covers the whole button. The button keeps a copy of its last face
// up and of its last face pressed, and copies it while nothing it is drawn from
// (caption, colours, font, size, enabled, focus frame) changes: laying out a
// caption costs far more than copying it.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString &text, QWidget *parent = nullptr);
    ~Button() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Face;
    static void drawFace(QPainter &painter, const Face &face);
    struct FaceCopy {
        std::unique_ptr<Face> face;
        QPixmap pixmap;
    };
    std::array<FaceCopy, 2> copies; // up, pressed
};

} // namespace parta
