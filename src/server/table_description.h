#pragma once

#include <QString>

// A table's description ("tableinfo") holds its location and its bill printer:
//   " tia[" + location + "]tia tib[" + printer + "]tib "
// The one blank inside "]tia tib[" ends the first marker and begins the second.
struct TableDescription
{
    QString location;
    QString printer;
};

// The description as add and edit write it: both parts always, empty ones included.
QString WriteTableDescription(const TableDescription& description);

// The parts of a description as the backend lists it: the location between the first " tia[" and
// the next "]tia ", the printer between the first " tib[" and the next "]tib ", each empty without
// its opening marker; a description without " tia[" whose parts both came out empty is a plain
// location. Nothing is unescaped.
TableDescription ReadTableDescription(const QString& text);
