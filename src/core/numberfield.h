#pragma once

#include <QStringView>

#include <optional>

namespace parta {

// The two ways an exercise window reads the text of its variant field. Both take
// any text, never depend on the locale and never fail.

// Blanks, tabs and line feeds are dropped wherever they stand; then an optional
// sign, digits and an optional "." with digits are read from the start, up to
// the first character that cannot continue the number (a carriage return is
// one). The digits may stand on one side of the point only: ".5" gives 0.5, "2."
// gives 2. A text that does not begin with a number gives 0. Only the ASCII
// digits count. A number too large for a double gives the largest finite
// double of its sign.
double leadingNumberValue(QStringView text);

// The whole text as one decimal number, with blanks before and after it
// allowed: blanks, tabs, carriage returns and line feeds around an optional
// sign, digits and an optional "." with digits, where again ".5" and "2." are
// numbers. Anything else, an empty text among it, is not a number and gives no
// value. A number too large for a double gives the largest finite double of its
// sign.
std::optional<double> wholeTextValue(QStringView text);

} // namespace parta
