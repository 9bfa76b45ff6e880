#pragma once

#include <QString>
#include <QVariant>

// The settings component: values by section and key in an INI file (UTF-8, CR LF), plus the few
// text and number functions the program asks of it. Section and key names are matched without
// regard to case; lines it does not change (comments, other sections and keys) stay as they are.
class IniUtil
{
public:
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& path) { m_fileName = path; }

    // The stored text, or the default when no file is set or the file, section or key is missing.
    QVariant ReadValue(const QString& section, const QString& key, const QVariant& defaultValue) const;
    // Stores the value as text (truth values as "True"/"False"), creating file, section and key.
    bool WriteValue(const QString& section, const QString& key, const QVariant& value);

    // Appends the text to the error log of the program folder ("yyMMdd_ErrorLog.log").
    void WriteErrorLog(const QString& text, int kind = 3, int level = 2);

    static QString CutAtNull(const QString& text);
    // Bytes of the text in the Korean ANSI code page (CP949): a Hangul syllable counts 2.
    static int ByteLength(const QString& text);
    static QString LeftByBytes(const QString& text, int bytes);
    static double RoundDigits(double value, int digits);
    static double RoundUp(double value, int digits);
    static double RoundDown(double value, int digits);
    // The leading whole number of a text ("7" gives 7, "15 오늘" gives 15; none gives 0).
    static int VarToLong(const QVariant& value);

private:
    QString m_fileName;
};
