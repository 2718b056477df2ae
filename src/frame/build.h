#pragma once

#include "controlrows.h"

class QString;
class QWidget;

namespace parta {

class Button;
class DocumentView;
class Label;
class Line;
class TextBox;

// Builders that turn one row of a control table into a control of a window.
// Controls are stacked in the order they are built: a later one lies above.
Label *addLabel(QWidget *window, const LabelRow &row);
Button *addButton(QWidget *window, const ButtonRow &row);
TextBox *addTextBox(QWidget *window, const TextBoxRow &row);
DocumentView *addDocument(QWidget *window, const DocumentRow &row);
Line *addLine(QWidget *window, const LineRow &row);

// Narrows the letter spacing of a word-wrapped label, a percent at a time down
// to 90 %, until its text fits its height; the font and its size stay as given.
void tightenToFit(Label *label);
// Lets a word-wrapped label grow downward, never shrink, until its text fits:
// the substitute faces space their lines a pixel or two wider than the faces
// the tables were drawn with, which would cut off the last line's descenders.
void growToFit(Label *label);

// The text of a document compiled into the program (UTF-8).
QString resourceText(const QString &resource);

// Colour setters through the palette roles that the controls paint with.
void setBackground(QWidget *control, const QColor &color);
void setForeground(QWidget *control, const QColor &color);

} // namespace parta
