#include "board/booking_texts.h"

#include "core/converters.h"

#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kWideBlank = QStringLiteral("\u3000");

QString oneLine(QString text)
{
    text.replace(kCrLf, QStringLiteral(" "));
    text.replace(QChar('\r'), QChar(' '));
    text.replace(QChar('\n'), QChar(' '));
    return text;
}

} // namespace

int MinutesOfDay(const QString& hhnn)
{
    if (hhnn.size() != 5 || hhnn[2] != QChar(':'))
        return -1;
    bool hourOk = false;
    bool minuteOk = false;
    const int hour = QStringView(hhnn).left(2).toInt(&hourOk);
    const int minute = QStringView(hhnn).right(2).toInt(&minuteOk);
    if (!hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59 || !hhnn[0].isDigit())
        return -1;
    return hour * 60 + minute;
}

QString BookingTablesText(const QString& seats)
{
    const QStringList parts = seats.split(QChar(';'));
    if (parts.size() == 1)
        return parts[0];
    QStringList names;
    for (int k = 0; k < parts.size(); k += 2)
        names.append(parts[k]);
    return names.join(QStringLiteral(", "));
}

QString BookingPartyText(const QString& code)
{
    const QStringList parts = code.split(QChar(';'));
    switch (parts.size()) {
    case 1:
        return parts[0];
    case 2:
        return parts[1];
    case 3:
        return QString();
    default:
        return parts[1] + QStringLiteral(" / ") + parts[3];
    }
}

QString BookingNote(const BookingNoteValues& values)
{
    const QStringList lines{
        QString(),
        kWideBlank + oneLine(values.start),
        kWideBlank + oneLine(values.booker),
        kWideBlank + oneLine(values.group),
        kWideBlank + oneLine(FormatPhoneMasked(values.phone, false)),
        kWideBlank + oneLine(values.tables),
        kWideBlank + oneLine(values.party),
        kWideBlank + oneLine(values.request),
        QStringLiteral("   [") + QString::number(values.number) + QStringLiteral("]"),
        QString(),
    };
    return lines.join(kCrLf);
}

int BookingNoteNumber(const QString& note)
{
    const QStringList lines = note.split(kCrLf);
    if (lines.size() < 9)
        return 0;
    return ToLong(lines[8].mid(4));
}
