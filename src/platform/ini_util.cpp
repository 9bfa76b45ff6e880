#include "platform/ini_util.h"

#include "platform/clock.h"
#include "platform/program_folder.h"

#include <QFile>
#include <QStringConverter>
#include <QStringList>

#include <climits>
#include <cmath>

namespace {

QStringList readLines(const QString& path, bool* exists)
{
    QFile file(path);
    *exists = file.open(QIODevice::ReadOnly);
    if (!*exists)
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // Editors that re-save a file may stack byte-order marks; every one of them would hide the
    // first line.
    qsizetype marks = 0;
    while (marks < text.size() && text.at(marks) == QChar(0xFEFF))
        ++marks;
    text.remove(0, marks);
    text.replace("\r\n", "\n");
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name of a "[name]" line, or a null string for any other line.
QString sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.startsWith('[') && t.endsWith(']'))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool isComment(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

// The key of a "key=value" line, or a null string.
QString keyOf(const QString& line)
{
    if (isComment(line))
        return QString();
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

QString valueOf(const QString& line)
{
    return line.mid(line.indexOf('=') + 1).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Where a key stands: the line of the key, or where the section ends (line of the key = -1).
struct Place {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype sectionEnd = -1;
};

Place find(const QStringList& lines, const QString& section, const QString& key)
{
    Place place;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (inside)
                break;
            inside = sameName(name, section);
            if (inside) {
                place.sectionLine = i;
                place.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!lines[i].trimmed().isEmpty())
            place.sectionEnd = i + 1;
        if (place.keyLine < 0 && sameName(keyOf(lines[i]), key))
            place.keyLine = i;
    }
    return place;
}

QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace

QVariant IniUtil::ReadValue(const QString& section, const QString& key, const QVariant& defaultValue) const
{
    if (m_fileName.isEmpty())
        return defaultValue;
    bool exists = false;
    const QStringList lines = readLines(m_fileName, &exists);
    const Place place = find(lines, section, key);
    if (place.keyLine < 0)
        return defaultValue;
    return valueOf(lines[place.keyLine]);
}

bool IniUtil::WriteValue(const QString& section, const QString& key, const QVariant& value)
{
    if (m_fileName.isEmpty())
        return false;
    bool exists = false;
    QStringList lines = readLines(m_fileName, &exists);
    const QString entry = key + "=" + textOf(value);
    const Place place = find(lines, section, key);
    if (place.keyLine >= 0) {
        lines[place.keyLine] = entry;
    } else if (place.sectionLine >= 0) {
        lines.insert(place.sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append("[" + section + "]");
        lines.append(entry);
    }
    QFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = (lines.join("\r\n") + "\r\n").toUtf8();
    return file.write(bytes) == bytes.size();
}

void IniUtil::WriteErrorLog(const QString& text, int, int)
{
    const QDateTime at = CurrentClock().now();
    QFile file(AppFile(at.toString("yyMMdd") + "_ErrorLog.log"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QString entry = "[" + at.toString("HH:mm:ss.zzz") + "]" + text;
    entry.replace("\r\n", "\n");
    entry.replace("\n", "\r\n");
    file.write((entry + "\r\n").toUtf8());
}

QString IniUtil::CutAtNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

namespace {

int encodedSize(QStringEncoder& encoder, QStringView text)
{
    if (!encoder.isValid())
        return static_cast<int>(text.toUtf8().size());
    const QByteArray bytes = encoder.encode(text);
    return static_cast<int>(bytes.size());
}

} // namespace

int IniUtil::ByteLength(const QString& text)
{
    QStringEncoder encoder("windows-949");
    return encodedSize(encoder, text);
}

QString IniUtil::LeftByBytes(const QString& text, int bytes)
{
    if (bytes <= 0)
        return QString();
    QStringEncoder encoder("windows-949");
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype step = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const int size = encodedSize(encoder, QStringView(text).mid(i, step));
        if (used + size > bytes)
            break;
        used += size;
        i += step;
    }
    return text.left(i);
}

double IniUtil::RoundDigits(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    return std::nearbyint(value * scale) / scale;
}

double IniUtil::RoundUp(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    return std::ceil(value * scale) / scale;
}

double IniUtil::RoundDown(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    return std::floor(value * scale) / scale;
}

int IniUtil::VarToLong(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
        || value.typeId() == QMetaType::Double) {
        const double number = std::nearbyint(value.toDouble());
        return std::isfinite(number) && std::abs(number) <= INT_MAX ? static_cast<int>(number) : 0;
    }
    // The leading whole number of a text: "7" gives 7, "15 오늘" gives 15.
    const QString text = value.toString().trimmed();
    qsizetype end = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const int number = text.left(end).toInt(&ok);
    return ok ? number : 0;
}
