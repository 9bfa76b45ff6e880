#include "core/converters.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isNumericType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isLeadingNumberChar(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// The number at the start of the text: an optional sign, digits with at most one decimal point.
double leadingNumber(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && isLeadingNumberChar(text[n]))
        ++n;
    text = text.left(n);
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    bool point = false;
    bool digit = false;
    for (; end < text.size(); ++end) {
        if (text[end] == u'.' && !point) {
            point = true;
        } else if (text[end].isDigit()) {
            digit = true;
        } else {
            break;
        }
    }
    if (!digit)
        return 0;
    bool ok = false;
    const double number = text.left(end).toString().toDouble(&ok);
    return ok ? number : 0;
}

double textNumber(const QVariant& value, bool trim)
{
    const QString text = value.toString();
    const QString lower = text.toLower();
    if (lower == u"true")
        return -1;
    if (lower == u"false")
        return 0;
    QString digits = text;
    digits.remove(u',');
    if (trim)
        digits = Trim(digits);
    return leadingNumber(digits);
}

double toNumber(const QVariant& value, bool trim)
{
    if (value.isNull() || !value.isValid())
        return 0;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (isNumericType(value))
        return value.toDouble();
    return textNumber(value, trim);
}

} // namespace

bool ToBoolean(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isNumericType(value) && value.toDouble() == -1)
        return true;
    const QString lower = value.toString().toLower();
    if (lower == u"true" || lower == u"yes" || lower == u"t" || lower == u"y")
        return true;
    return ToDouble(value) != 0;
}

double ToDouble(const QVariant& value)
{
    const double number = toNumber(value, false);
    return std::isfinite(number) ? number : 0;
}

int ToLong(const QVariant& value)
{
    const double rounded = std::nearbyint(toNumber(value, true));
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min()
        || rounded > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(rounded);
}

bool IsNumber(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return true;
    const QString text = value.toString();
    if (text.isEmpty())
        return true;
    // A short run of digits (a phone number, a count) is a number without the general parse.
    if (text.size() <= 15 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return true;
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok && std::isfinite(number);
}

bool IsWholeNumberText(const QString& text)
{
    const QString digits = Trim(text);
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString Trim(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

QString ZeroPad(const QString& text, int width)
{
    return text.rightJustified(width, u'0');
}
