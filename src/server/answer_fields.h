#pragma once

#include "core/answer_grammar.h"

// The value of the field name[value]name in the text (its first occurrence), or no value when
// the field is missing.
inline std::optional<QString> BracketField(const QString& text, const QString& name)
{
    return GetField(text, name + "[", "]" + name);
}

// The same, empty text when the field is missing.
inline QString BracketText(const QString& text, const QString& name)
{
    return BracketField(text, name).value_or(QString());
}
