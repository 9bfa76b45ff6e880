#pragma once

#include "core/answer_grammar.h"
#include "core/win_http.h"

#include <QString>

// Whether an answer of the reservation list ("/vbPHP/zzimorderload.php") may replace the whole
// reservation cache: empty text when it may, otherwise the reason as the main log names it.
// Only a whole list may: the whole answer arrived, its head (the text before the first
// "<menubrrs>") carries the list's counters ("allcount[" ... "]allcount"), every byte was UTF-8
// (the answer holds no replacement character), the records after the head are as many as
// allcount says, and no reservation number comes twice. The records are those of the answer.
QString ListRefusal(const QString& answer, const AnswerRecords& records, HttpOutcome outcome);
