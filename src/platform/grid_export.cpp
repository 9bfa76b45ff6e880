// The grid model written as a spreadsheet: SpreadsheetML (the XML workbook that Excel and
// LibreOffice open), whatever the file's extension.
#include "platform/grid_model.h"

#include "platform/twips.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {

const QString kSpreadsheetNs = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");

// XML has no place for most control characters; a text keeps everything else.
QString XmlText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code >= 0x20 ? code < 0xFFFE : (code == '\t' || code == '\n' || code == '\r'))
            kept.append(ch);
    }
    return kept;
}

void WriteCell(QXmlStreamWriter& xml, const GridCell& cell)
{
    bool number = false;
    cell.text.trimmed().toDouble(&number);
    number = number && (cell.type == GridCellType::Number || cell.type == GridCellType::CheckBox);
    xml.writeStartElement(kSpreadsheetNs, "Cell");
    xml.writeStartElement(kSpreadsheetNs, "Data");
    xml.writeAttribute(kSpreadsheetNs, "Type", number ? "Number" : "String");
    xml.writeCharacters(number ? cell.text.trimmed() : XmlText(cell.text));
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteReport(const QString& logFileName, const QStringList& lines)
{
    if (logFileName.isEmpty())
        return;
    QFile log(logFileName);
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        log.write((lines.join("\r\n") + "\r\n").toUtf8());
}

} // namespace

bool GridModel::ExportToExcel(const QString& fileName, const QString& sheetName,
                              const QString& logFileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        WriteReport(logFileName, {"Export " + fileName, "Error: " + file.errorString()});
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeProcessingInstruction("mso-application", "progid=\"Excel.Sheet\"");
    xml.writeNamespace(kSpreadsheetNs, "ss");
    xml.writeDefaultNamespace(kSpreadsheetNs);
    xml.writeStartElement(kSpreadsheetNs, "Workbook");
    xml.writeStartElement(kSpreadsheetNs, "Worksheet");
    xml.writeAttribute(kSpreadsheetNs, "Name", sheetName);
    xml.writeStartElement(kSpreadsheetNs, "Table");
    for (int c = 1; c <= MaxCols(); ++c) {
        xml.writeEmptyElement(kSpreadsheetNs, "Column");
        xml.writeAttribute(kSpreadsheetNs, "Width", QString::number(TwipsToPixels(m_cols[c].width) * 0.75));
        if (m_cols[c].hidden)
            xml.writeAttribute(kSpreadsheetNs, "Hidden", "1");
    }
    for (int line = 0; line < int(m_rows.size()); ++line) {
        xml.writeStartElement(kSpreadsheetNs, "Row");
        if (m_rows[line].hidden)
            xml.writeAttribute(kSpreadsheetNs, "Hidden", "1");
        for (int c = 1; c <= MaxCols(); ++c)
            WriteCell(xml, m_rows[line].cells[c]);
        xml.writeEndElement();
    }
    xml.writeEndElement();   // Table
    xml.writeEndElement();   // Worksheet
    xml.writeEndElement();   // Workbook
    xml.writeEndDocument();
    const bool saved = !xml.hasError() && file.commit();
    WriteReport(logFileName, {"Export " + fileName, "Sheet " + sheetName,
                              QString("Rows %1, columns %2").arg(MaxRows()).arg(MaxCols()),
                              saved ? QString("Done") : "Error: " + file.errorString()});
    return saved;
}
