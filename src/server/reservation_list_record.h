#pragma once

#include "core/answer_grammar.h"
#include "server/cache_row.h"

#include <QSet>
#include <QString>

#include <optional>

// Turns the records of the reservation list ("/vbPHP/zzimorderload.php") into cache rows, in the
// answer's order. The cache takes the states "Y" and "finish" with a visit date; a record that
// repeats the number of the record right before it (stored or not) is dropped, and so is a record
// without a reservation number. One row per reservation: a number already stored further up is not
// stored again, which would count the booking twice in the month figures and the statistics. A
// field missing from a record reads as empty text. A reader reads the records of one list, which
// outlives it.
class ReservationListReader
{
public:
    std::optional<CacheRow> read(const AnswerRecord& record);

private:
    QStringView m_previousNum; // into the list
    QSet<qlonglong> m_stored;
};
