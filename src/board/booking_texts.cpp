#include "board/booking_texts.h"

#include "core/converters.h"

#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kWideBlank = QStringLiteral("\u3000");

// A value on one line of the note: each of its line breaks becomes a blank.
void appendLine(QString& note, QString value)
{
    if (value.contains(QChar('\r')) || value.contains(QChar('\n'))) {
        value.replace(kCrLf, QStringLiteral(" "));
        value.replace(QChar('\r'), QChar(' '));
        value.replace(QChar('\n'), QChar(' '));
    }
    note += kWideBlank;
    note += value;
    note += kCrLf;
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
    QString note;
    note.reserve(160);
    note += kCrLf;
    for (const QString* value : {&values.start, &values.booker, &values.group})
        appendLine(note, *value);
    appendLine(note, FormatPhoneMasked(values.phone, false));
    for (const QString* value : {&values.tables, &values.party, &values.request})
        appendLine(note, *value);
    note += QStringLiteral("   [") + QString::number(values.number) + QStringLiteral("]") + kCrLf;
    return note;
}

int BookingNoteNumber(const QString& note)
{
    const QStringList lines = note.split(kCrLf);
    if (lines.size() < 9)
        return 0;
    return ToLong(lines[8].mid(4));
}
