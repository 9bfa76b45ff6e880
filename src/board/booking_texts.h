#pragma once

#include <QString>

// The texts the timetable shows for a booking of the cache.

// The minutes since midnight of a time "hh:nn" (24-hour); -1 for any other text.
int MinutesOfDay(const QString& hhnn);

// The tables of a "좌석" value (names and numbers alternating, ";" between): a single part as it
// stands, else the names joined by ", " ("A1;4;A2;2" gives "A1, A2").
QString BookingTablesText(const QString& seats);

// The party of a "인원" code: "T;4" gives "4", "M;2;F;3" gives "2 / 3"; three parts or none "".
QString BookingPartyText(const QString& code);

struct BookingNoteValues {
    QString start;     // "hh:nn"
    QString booker;
    QString group;
    QString phone;     // digits
    QString tables;    // BookingTablesText
    QString party;     // BookingPartyText
    QString request;
    int number = 0;
};

// The cell note of a booked cell: ten lines split at CR LF, the first and last empty, the number
// on the ninth as "   [" number "]". A line break inside a value becomes a blank, so the number
// keeps its line.
QString BookingNote(const BookingNoteValues& values);

// The booking number of a cell note (0 when the note holds none).
int BookingNoteNumber(const QString& note);
