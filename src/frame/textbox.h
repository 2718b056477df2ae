#pragma once

#include <QLineEdit>

namespace parta {

// A one-line text box. It takes text of any length, as the variant field and
// the answer boxes must. Its border, where it has one, is the classic sunken
// edge of two pixels, drawn by the box itself: the same edge on every box
// colour, and quick to draw when a check repaints every box of a window.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);

    void setBorder(bool border);
    bool hasBorder() const { return border; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void coverWhenOpaque();

    bool border = true;
};

} // namespace parta
