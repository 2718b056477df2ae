#include "numberfield.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace parta {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isDroppedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isEdgeBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Reads "[sign] digits [. digits]" from characters handed out by next() and
// collects them as ASCII. Stops at the first character that cannot continue the
// number; returns how many characters were taken.
struct NumberScanner {
    std::string ascii;
    bool sawDigit = false;

    // Returns false when c cannot continue the number.
    bool take(QChar c)
    {
        if (ascii.empty() && (c == u'+' || c == u'-')) {
            ascii.push_back(static_cast<char>(c.unicode()));
            return true;
        }
        if (isAsciiDigit(c)) {
            sawDigit = true;
            ascii.push_back(static_cast<char>(c.unicode()));
            return true;
        }
        if (c == u'.' && ascii.find('.') == std::string::npos) {
            ascii.push_back('.');
            return true;
        }
        return false;
    }

    double value() const
    {
        if (!sawDigit)
            return 0.0;
        const bool negative = ascii.front() == '-';
        const char *first = ascii.data();
        const char *last = ascii.data() + ascii.size();
        if (*first == '+' || *first == '-')
            ++first;
        double magnitude = 0.0;
        const auto result = std::from_chars(first, last, magnitude, std::chars_format::fixed);
        if (result.ec == std::errc::result_out_of_range) {
            // Too many digits before the point: the value is beyond a double.
            // A long run of zeros after the point is the other way out of range.
            const bool huge = std::find_if(first, last, [](char ch) { return ch >= '1' && ch <= '9'; }) <
                              std::find(first, last, '.');
            magnitude = huge ? std::numeric_limits<double>::max() : 0.0;
        } else if (result.ec != std::errc()) {
            magnitude = 0.0;
        }
        return negative ? -magnitude : magnitude;
    }
};

} // namespace

double leadingNumberValue(QStringView text)
{
    NumberScanner scanner;
    for (QChar c : text) {
        if (isDroppedBlank(c))
            continue;
        if (!scanner.take(c))
            break;
    }
    return scanner.value();
}

std::optional<double> wholeTextValue(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isEdgeBlank(text[first]))
        ++first;
    while (last > first && isEdgeBlank(text[last - 1]))
        --last;
    NumberScanner scanner;
    for (qsizetype i = first; i < last; ++i) {
        if (!scanner.take(text[i]))
            return std::nullopt;
    }
    if (!scanner.sawDigit)
        return std::nullopt;
    return scanner.value();
}

} // namespace parta
