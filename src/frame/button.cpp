#include "button.h"

#include "edges.h"
#include "focusframe.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <cmath>

namespace parta {

// Everything a button's face is drawn from.
struct Button::Face {
    QSize size;
    qreal pixelRatio;
    bool down;
    bool enabled;
    bool focusFrame;
    QString caption;
    QFont font;
    QColor button;
    QColor light;
    QColor shadow;
    QColor dark;
    QColor captionColour;

    bool operator==(const Face &) const = default;
};

void Button::drawFace(QPainter &painter, const Face &face)
{
    const QRect rect(QPoint(0, 0), face.size);
    painter.fillRect(rect.adjusted(2, 2, -2, -2), face.button);
    // Raised, or sunken while pressed.
    const EdgeShades shades = face.down ? EdgeShades{face.shadow, face.light, face.dark, face.button}
                                        : EdgeShades{face.light, face.shadow, face.button, face.dark};
    drawEdge(painter, rect, shades);

    constexpr int edge = 3;
    // A caption of two lines may use the full height; only the edge clips it.
    QRect captionArea = rect.adjusted(edge, 0, -edge, 0);
    if (face.down)
        captionArea.translate(1, 1);
    painter.setFont(face.font);
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    if (face.enabled) {
        painter.setPen(face.captionColour);
        painter.drawText(captionArea, flags, face.caption);
    } else {
        // Engraved grey, legible on light faces and dark ones alike.
        painter.setPen(Qt::white);
        painter.drawText(captionArea.translated(1, 1), flags, face.caption);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(captionArea, flags, face.caption);
    }

    if (face.focusFrame)
        drawFocusFrame(painter, rect.adjusted(edge, edge, -edge, -edge));
}

Button::Button(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    // The face covers every pixel: nothing under the button needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Button::~Button() = default;

void Button::paintEvent(QPaintEvent *)
{
    const QPalette &colours = palette();
    const Face face{size(),
                    devicePixelRatioF(),
                    isDown(),
                    isEnabled(),
                    showsKeyboardFocus(this),
                    text(),
                    font(),
                    colours.color(QPalette::Button),
                    colours.color(QPalette::Light),
                    colours.color(QPalette::Shadow),
                    colours.color(QPalette::Dark),
                    colours.color(QPalette::Active, QPalette::ButtonText)};

    QPainter painter(this);
    // A copy lands on whole device pixels only at a whole scale; at any other
    // scale the face is drawn in place.
    if (face.pixelRatio != std::round(face.pixelRatio)) {
        drawFace(painter, face);
        return;
    }
    FaceCopy &copy = copies[face.down ? 1 : 0];
    if (!copy.face || !(*copy.face == face)) {
        copy.pixmap = QPixmap(face.size * face.pixelRatio);
        copy.pixmap.setDevicePixelRatio(face.pixelRatio);
        QPainter facePainter(&copy.pixmap);
        drawFace(facePainter, face);
        facePainter.end();
        copy.face = std::make_unique<Face>(face);
    }
    painter.drawPixmap(0, 0, copy.pixmap);
}

void Button::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::mouseReleaseEvent(QMouseEvent *event)
{
    // Qt paints a released button at once, and what the click changes a moment
    // later: two paints, each sent to the screen. The button holds its paint
    // back while the click is handled and comes up with everything else.
    const QPointer<Button> alive(this);
    setUpdatesEnabled(false);
    QPushButton::mouseReleaseEvent(event);
    if (alive)
        setUpdatesEnabled(true);
}

} // namespace parta
