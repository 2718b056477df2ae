#pragma once

#include <QStringView>

#include <optional>

namespace parta {

// The two ways an exercise window reads the text of its variant field. Both take
// any text, never depend on the locale and never fail.

// Blanks, tabs and line feeds are dropped; then an optional sign, digits and an
// optional "." with digits are read from the start, up to the first character
// that cannot continue the number. A text that does not begin with a number
// gives 0. Only the ASCII digits count. A number too large for a double gives
// the largest finite double of its sign.
double leadingNumberValue(QStringView text);

// The whole text, with blanks before and after it, as one decimal number:
// optional sign, digits, optional "." with digits. Anything else, an empty text
// among it, is not a number and gives no value.
std::optional<double> wholeTextValue(QStringView text);

} // namespace parta
