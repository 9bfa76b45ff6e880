#include "core/text_escapes.h"

#include <initializer_list>
#include <utility>

namespace {

using Replacements = std::initializer_list<std::pair<const char16_t*, const char16_t*>>;

QString replaceInOrder(QString text, Replacements steps)
{
    for (const auto& [from, to] : steps) {
        const QStringView before(from);
        const QStringView after(to);
        text.replace(before.data(), before.size(), after.data(), after.size());
    }
    return text;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// One byte of a "%" piece: two characters read as hex as far as they are hex digits; a piece of
// any other length stands for "?".
char pieceByte(QStringView piece)
{
    if (piece.size() != 2)
        return '?';
    const int high = hexDigit(piece[0]);
    if (high < 0)
        return 0;
    const int low = hexDigit(piece[1]);
    return static_cast<char>(low < 0 ? high : high * 16 + low);
}

} // namespace

QString VmrEncodeAA(const QString& text)
{
    return replaceInOrder(text, {{u"+", u"ccdd!!"},
                                 {u"&", u"!123!"},
                                 {u"＆", u"!123!"},
                                 {u"%", u"ddee!!"},
                                 {u"\r\n", u"!줄바꿈!"},
                                 {u"\n", u"!줄!"}});
}

QString VmrEncodeBB(const QString& text)
{
    return replaceInOrder(text, {{u"\r\n", u"!줄바꿈!"},
                                 {u"\n", u"!줄!"},
                                 {u"&", u"!특문1!"},
                                 {u"＆", u"!특문1!"},
                                 {u"+", u"!특문2!"},
                                 {u"\"", u"!특문3!"}});
}

QString VmrDecodeAA(const QString& text)
{
    // Every escape but one holds "!"; most texts hold neither and are given back as they are.
    if (!text.contains(u'!') && !text.contains(u'플'))
        return text;
    return replaceInOrder(text, {{u"ccdd!!", u"+"},
                                 {u"플랏뚜ㅋ", u"+"},
                                 {u"!123!", u"＆"},
                                 {u"ddee!!", u"%"},
                                 {u"!줄바꿈!", u"\r\n"},
                                 {u"!줄!", u"\r\n"},
                                 {u"!특문1!", u"＆"},
                                 {u"!특문2!", u"+"},
                                 {u"!특문3!", u"\""}});
}

QString URLEncode(const QString& text)
{
    static const char digits[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QString out;
    out.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        out += QLatin1Char('%');
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0xF]);
    }
    return out;
}

QString URLDecode(const QString& text)
{
    qsizetype at = text.indexOf(QLatin1Char('%'));
    if (at < 0)
        return QString();
    QByteArray bytes;
    while (at >= 0) {
        const qsizetype next = text.indexOf(QLatin1Char('%'), at + 1);
        const qsizetype end = next < 0 ? text.size() : next;
        bytes += pieceByte(QStringView(text).mid(at + 1, end - at - 1));
        at = next;
    }
    return UTF8ToString(bytes);
}

QString UTF8ToString(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QString FormValue(const QString& value)
{
    return replaceInOrder(value, {{u"%", u"%25"}, {u"&", u"%26"}, {u"+", u"%2B"}});
}
