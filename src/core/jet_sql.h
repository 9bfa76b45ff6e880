#pragma once

#include <QString>
#include <QVariantList>

// A statement for the local databases: SQLite text with "?" placeholders and the values bound to
// them. No value is ever written into the text itself.
//   JetSql("DELETE FROM 예약 WHERE NUM = ?", {num})
struct JetSql
{
    JetSql(const QString& text) : text(text) {}
    JetSql(const char* text) : text(QString::fromUtf8(text)) {}
    JetSql(const QString& text, const QVariantList& params) : text(text), params(params) {}

    // The statement as the logs show it: each "?" replaced by its value, texts in single quotes.
    QString display() const;

    QString text;
    QVariantList params;
};
