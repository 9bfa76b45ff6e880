#include "answer_writer.h"

QString Field(const QString& name, const QString& value)
{
    return name + "[" + value + "]" + name;
}

QString Tag(const QString& name, const QString& value)
{
    return "<" + name + ">" + value + "</" + name + ">";
}

QString Fields(const StandinRecord& record, const QStringList& names)
{
    QString text = QStringLiteral(" ");
    for (const QString& name : names)
        text += Field(name, record.value(name)) + " ";
    return text;
}
