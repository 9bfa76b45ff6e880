#include "board/booking_texts.h"

#include "core/converters.h"

#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kWideBlank = QStringLiteral("\u3000");

// A value on one line of the note: each of its line breaks becomes a blank.
void appendLine(QString& note, const QString& value)
{
    note += kWideBlank;
    if (value.contains(QChar('\r')) || value.contains(QChar('\n'))) {
        QString oneLine = value;
        oneLine.replace(kCrLf, QStringLiteral(" "));
        oneLine.replace(QChar('\r'), QChar(' '));
        oneLine.replace(QChar('\n'), QChar(' '));
        note += oneLine;
    } else {
        note += value;
    }
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
    if (!seats.contains(QChar(';')))
        return seats;
    QString names;
    qsizetype part = 0;
    for (const QStringView value : QStringView(seats).tokenize(u';')) {
        if (part % 2 == 0) {
            if (part > 0)
                names += QStringLiteral(", ");
            names += value;
        }
        ++part;
    }
    return names;
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
    note += QStringLiteral("   [");
    note += QString::number(values.number);
    note += QChar(']');
    note += kCrLf;
    return note;
}

int BookingNoteNumber(const QString& note)
{
    const QStringList lines = note.split(kCrLf);
    if (lines.size() < 9)
        return 0;
    return ToLong(lines[8].mid(4));
}
