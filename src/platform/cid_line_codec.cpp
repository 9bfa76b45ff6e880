#include "platform/cid_line_codec.h"

namespace {

QString escapeField(const QString& field)
{
    QString escaped;
    escaped.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case '%': escaped += QLatin1String("%25"); break;
        case '\t': escaped += QLatin1String("%09"); break;
        case '\r': escaped += QLatin1String("%0D"); break;
        case '\n': escaped += QLatin1String("%0A"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

// Only the four escapes the writer makes are read back; any other "%" stays as it is.
QString unescapeField(const QString& field)
{
    QString plain;
    plain.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QStringView code = QStringView(field).mid(i + 1, 2);
        if (field[i] != '%' || code.size() < 2) {
            plain += field[i];
            continue;
        }
        const QString upper = code.toString().toUpper();
        if (upper == QLatin1String("25"))
            plain += '%';
        else if (upper == QLatin1String("09"))
            plain += '\t';
        else if (upper == QLatin1String("0D"))
            plain += '\r';
        else if (upper == QLatin1String("0A"))
            plain += '\n';
        else {
            plain += field[i];
            continue;
        }
        i += 2;
    }
    return plain;
}

} // namespace

QByteArray EncodeCidLine(const QStringList& fields)
{
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString& field : fields)
        escaped.append(escapeField(field));
    return escaped.join('\t').toUtf8() + '\n';
}

QStringList DecodeCidLine(const QByteArray& line)
{
    QByteArray text = line;
    if (text.endsWith('\r'))
        text.chop(1);
    QStringList fields = QString::fromUtf8(text).split('\t');
    for (QString& field : fields)
        field = unescapeField(field);
    return fields;
}

CidLineReader::Taken CidLineReader::take(QByteArrayView piece)
{
    Taken taken;
    while (!piece.isEmpty()) {
        const qsizetype end = piece.indexOf('\n');
        const QByteArrayView part = end < 0 ? piece : piece.first(end);
        if (!m_skipping && m_partial.size() + part.size() > kLineLimit) {
            m_skipping = true;
            m_partial = QByteArray();
            ++taken.dropped;
        }
        if (!m_skipping)
            m_partial += part;
        if (end < 0)
            break;
        if (!m_skipping)
            taken.lines.append(DecodeCidLine(m_partial));
        m_partial.clear();
        m_skipping = false;
        piece = piece.sliced(end + 1);
    }
    return taken;
}
