#include "form_fields.h"

namespace {

QString decodeComponent(QByteArray part)
{
    part.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(part));
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
