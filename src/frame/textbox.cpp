#include "textbox.h"

#include <limits>

namespace parta {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

} // namespace parta
