#include "form_fields.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "+" is a blank and "%" with two hex digits a byte; a "%" without two hex digits after it stays
// as it is, as form parsers keep it.
QString decodeComponent(const QByteArray& part)
{
    QByteArray bytes;
    bytes.reserve(part.size());
    for (qsizetype i = 0; i < part.size(); ++i) {
        const char c = part[i];
        const int high = c == '%' && i + 2 < part.size() ? hexValue(part[i + 1]) : -1;
        const int low = high < 0 ? -1 : hexValue(part[i + 2]);
        if (low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += c == '+' ? ' ' : c;
        }
    }
    return QString::fromUtf8(bytes);
}

} // namespace

FormFields::FormFields(const QByteArray& body)
{
    for (const QByteArray& pair : body.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = equals < 0 ? pair : pair.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        m_values.insert(decodeComponent(name), decodeComponent(value));
    }
}
