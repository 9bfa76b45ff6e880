#pragma once

#include <QString>
#include <QVariant>

// Tolerant converters for values from the backend, the local databases and the registry. They
// accept any value (text, number, date, truth value, null) and never fail towards the caller.

// True for the truth value true or the number -1, for the texts "true", "yes", "t", "y" (any
// case), and for any value whose ToDouble is not 0.
bool ToBoolean(const QVariant& value);

// The number at the start of the value's text, commas removed ("2,048.5원" gives 2048.5,
// "2024-04-26" gives 2024); "true" gives -1; a leading blank, no number or null give 0.
double ToDouble(const QVariant& value);

// As ToDouble, but blanks around the text are ignored and the number is rounded half to even
// ("2.5" gives 2, "3.5" gives 4); outside the 32-bit range gives 0.
int ToLong(const QVariant& value);

// False only for non-empty text that is not a number; true for empty text and non-text values.
bool IsNumber(const QVariant& value);

// What a box for a count or an order number accepts: blanks around, then one or more of the digits
// 0 to 9 and nothing else.
bool IsWholeNumberText(const QString& text);

// The text without blanks at either end; tabs and line breaks stay.
QString Trim(const QString& text);

// The text with "0" in front up to the width; unchanged when already as long.
QString ZeroPad(const QString& text, int width);

// The small utilities that travel with the converters.
#include "core/byte_text.h"
#include "core/date_time.h"
#include "core/file_exists.h"
#include "core/is_compiled.h"
#include "core/phone.h"
#include "core/sorting.h"
