#include "core/form_value.h"

QString FormValue(const QString& value)
{
    QString encoded;
    encoded.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'%')
            encoded += QStringLiteral("%25");
        else if (c == u'&')
            encoded += QStringLiteral("%26");
        else if (c == u'+')
            encoded += QStringLiteral("%2B");
        else
            encoded += c;
    }
    return encoded;
}
