#pragma once

#include "core/win_http.h"

#include <QString>

// Whether a list answer may replace what staff see (a cache, a customer list). Only what is
// evidently broken is refused; everything else is a list, however odd its counters, repeats or
// bytes (text that was not UTF-8 arrives with U+FFFD in its place and is taken as it is).
enum class ListFault {
    None,          // a list: its head (the text before the first separator) and its records
    TimedOut,      // the request ran out of time
    NoAnswer,      // the request failed before an answer came
    CutInTransfer, // the transfer broke off inside the answer
    Empty,         // the answer is empty
    NotAList,      // neither a record nor a counter field "name[value]name" in the head
    CutInField,    // the answer ends inside a field: "name[" without its "]name"
};

ListFault ListFaultOf(const QString& answer, HttpOutcome outcome,
                      const QString& separator = QStringLiteral("<menubrrs>"));
