#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The fields of a form body, parsed as a standard form parser does: pairs split at "&", name and
// value at the first "=", "+" read as a blank and "%XX" as a byte, the bytes read as UTF-8.
// A name given twice keeps its last value.
class FormFields
{
public:
    FormFields() = default;
    explicit FormFields(const QByteArray& body);

    QString value(const QString& name) const { return m_values.value(name); }
    bool contains(const QString& name) const { return m_values.contains(name); }

private:
    QHash<QString, QString> m_values;
};
