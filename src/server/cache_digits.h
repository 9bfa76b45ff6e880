#pragma once

#include <QStringView>

#include <optional>

// Decimal digits read and written in place, without conversions through text, for the values the
// cache rebuild reads and writes for each of its many rows (dates, times, counts, numbers).

// Reads up to maxDigits digits (at most 18) at the position and steps past them; -1 when no digit
// is there.
inline qlonglong ReadDigits(QStringView text, qsizetype& at, int maxDigits)
{
    qlonglong value = -1;
    for (int n = 0; n < maxDigits && at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++n, ++at)
        value = (value < 0 ? 0 : value * 10) + (text[at].unicode() - u'0');
    return value;
}

// The text as a number when it is nothing but 1 to maxDigits digits (at most 18).
inline std::optional<qlonglong> DigitsValue(QStringView text, int maxDigits)
{
    qsizetype at = 0;
    const qlonglong value = ReadDigits(text, at, maxDigits);
    if (value < 0 || at != text.size())
        return std::nullopt;
    return value;
}

// Writes the number in decimal, "-" before a negative one, with zeros in front up to width digits;
// returns the position after it.
inline char16_t* WriteDigits(char16_t* out, qlonglong number, int width = 1)
{
    qulonglong value = number < 0 ? 0 - qulonglong(number) : qulonglong(number);
    if (number < 0)
        *out++ = u'-';
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0 || n < width);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}
