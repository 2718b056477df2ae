#pragma once

#include "laidouttext.h"

#include <QLabel>

#include <functional>

namespace parta {

// What a clickable label is to the keyboard and to a screen reader.
enum class LabelRole {
    Text,        // a static text: the pupil cannot click it to any effect
    Button,      // opens something ("Справка")
    CheckBox,    // an item the pupil selects and deselects
    RadioButton, // an option of a question, of which one is selected
};

// A static text that reports a click, as every label of the program can.
// A label that does something when clicked can be made reachable from the
// keyboard: Tab reaches it, Space or Enter clicks it, and it shows a focus
// frame while the keyboard has put the focus on it.
//
// A plain, word-wrapped caption is drawn from a layout made once, with the
// pixels QLabel draws for a label that takes no focus, whether or not this
// one takes it: marking items repaints many labels at once.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Makes the label a keyboard control of the given role; for a check box or
    // a radio button, `checked` tells whether it is selected now.
    void makeClickable(LabelRole role, std::function<bool()> checked = {});
    LabelRole role() const { return labelRole; }
    bool isChecked() const { return checkedState && checkedState(); }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool drawsItsOwnText() const;

    bool pressed = false;
    LabelRole labelRole = LabelRole::Text;
    std::function<bool()> checkedState;
    LaidOutText caption;
};

} // namespace parta
