#pragma once

#include <QString>
#include <QVariantList>

class QSqlQuery;

// A statement for the local databases: SQLite text with "?" placeholders and the values bound to
// them. No value is ever written into the text itself.
//   JetSql("DELETE FROM 예약 WHERE NUM = ?", {num})
struct JetSql
{
    JetSql(const QString& text) : text(text) {}
    JetSql(const char* text) : text(QString::fromUtf8(text)) {}
    JetSql(const QString& text, const QVariantList& params) : text(text), params(params) {}

    // The statement as the logs show it: each "?" replaced by its value, texts in single quotes,
    // dates as "yyyy-MM-dd" between "#". A date is bound as its "yyyy-MM-dd" text.
    QString display() const;

    QString text;
    QVariantList params;
};

// A table or column name as SQLite quotes it: "name".
QString JetQuoted(const QString& name);

// Prepares the statement on the query, binds its values and runs it.
bool JetRun(QSqlQuery& query, const JetSql& sql);
