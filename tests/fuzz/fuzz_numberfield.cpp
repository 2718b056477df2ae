// libFuzzer's target for the two readings of a number field: every input is
// read as UTF-8 and as UTF-16, and what the readings promise is checked on both.

#include "core/numberfield.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using parta::leadingNumberValue;
using parta::wholeTextValue;

namespace {

void require(bool holds, const char *promise, QStringView text)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\ntext (UTF-16 units):", promise);
    for (QChar c : text)
        std::fprintf(stderr, " %04x", c.unicode());
    std::fprintf(stderr, "\n");
    std::abort();
}

bool isDroppedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isEdgeBlank(QChar c)
{
    return isDroppedBlank(c) || c == u'\r';
}

QString withoutDroppedBlanks(QStringView text)
{
    QString kept;
    for (QChar c : text) {
        if (!isDroppedBlank(c))
            kept += c;
    }
    return kept;
}

void checkReadings(QStringView text)
{
    const double leading = leadingNumberValue(text);
    require(std::isfinite(leading), "the leading-number value is a finite number", text);
    const QString rest = withoutDroppedBlanks(text);
    require(leadingNumberValue(rest) == leading,
            "blanks, tabs and line feeds change nothing in the leading-number value", text);

    const QChar start = rest.isEmpty() ? QChar() : rest.front();
    if ((start >= u'0' && start <= u'9') || start == u'.') {
        const QString negated = QStringLiteral("-") + text.toString();
        require(leadingNumberValue(negated) == -leading, "a minus sign before an unsigned number negates it",
                text);
    }

    const std::optional<double> whole = wholeTextValue(text);
    if (!whole)
        return;
    require(std::isfinite(*whole), "the whole-text value, when there is one, is a finite number", text);
    // A whole number has no blank inside it, so the leading reading, which drops
    // blanks, finds the same number; unless a carriage return stands before it,
    // which the whole reading takes for a blank and the leading reading stops at.
    qsizetype first = 0;
    while (first < text.size() && isEdgeBlank(text[first]))
        ++first;
    if (text.first(first).contains(u'\r'))
        require(leading == 0, "a carriage return before the number stops the leading reading at 0", text);
    else
        require(leading == *whole, "a whole number gives the same leading-number value", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkReadings(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    // The same bytes as UTF-16 units, copied out so that they are aligned.
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkReadings(units);
    return 0;
}
