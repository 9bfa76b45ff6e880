#include "server/table_description.h"

#include "core/answer_grammar.h"

namespace {

const QString kLocationOpen = QStringLiteral(" tia[");
const QString kLocationClose = QStringLiteral("]tia ");
const QString kPrinterOpen = QStringLiteral(" tib[");
const QString kPrinterClose = QStringLiteral("]tib ");

} // namespace

QString WriteTableDescription(const TableDescription& description)
{
    return kLocationOpen + description.location + "]tia tib[" + description.printer + "]tib ";
}

TableDescription ReadTableDescription(const QString& text)
{
    TableDescription parts{GetField(text, kLocationOpen, kLocationClose).value_or(QString()),
                           GetField(text, kPrinterOpen, kPrinterClose).value_or(QString())};
    if (parts.location.isEmpty() && parts.printer.isEmpty() && !text.contains(kLocationOpen))
        parts.location = text;
    return parts;
}
