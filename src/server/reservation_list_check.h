#pragma once

#include "core/answer_grammar.h"
#include "core/win_http.h"

#include <QString>

#include <optional>

// The checks of the reservation list ("/vbPHP/zzimorderload.php") before it replaces cached rows.

// Why the answer cannot replace the cache, as the main log names it; empty text when it is a list
// (core/list_answer_check.h says which answers are not).
QString ListRefusal(const QString& answer, HttpOutcome outcome);

// When the head's allcount differs from the number of records: both numbers, as the main log
// names them. Nothing when they agree or the head carries no whole allcount field.
std::optional<QString> CountMismatch(const QString& answer, const AnswerRecords& records);
