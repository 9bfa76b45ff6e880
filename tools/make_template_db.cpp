// Builds a template database from its schema file:
//   vmr_make_template <schema.sql> <output.mdb>
// The output is made anew: the side table of field definitions first, then every statement of the
// schema file in order, all in one transaction.

#include "core/jet_schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

// The statements of a schema file: "--" comments dropped, cut at each ";" outside quotes.
QStringList statementsOf(const QString& script)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (quote.isNull() && c == u'-' && script.mid(i, 2) == "--") {
            while (i < script.size() && script.at(i) != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (!quote.isNull() && c == quote)
            quote = QChar();
        else if (quote.isNull() && (c == u'\'' || c == u'"'))
            quote = c;
        if (quote.isNull() && c == u';') {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

int fail(const QString& what, const QSqlError& error)
{
    std::fprintf(stderr, "vmr_make_template: %s: %s\n", qPrintable(what), qPrintable(error.text()));
    return 1;
}

int build(const QString& schemaPath, const QString& outputPath)
{
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vmr_make_template: cannot read %s\n", qPrintable(schemaPath));
        return 1;
    }
    const QStringList statements = statementsOf(QString::fromUtf8(schema.readAll()));
    QFile::remove(outputPath);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "template");
    db.setDatabaseName(outputPath);
    if (!db.open())
        return fail(outputPath, db.lastError());
    db.transaction();
    QSqlQuery query(db);
    for (const QString& statement : QStringList{JetFieldTableSql()} + statements)
        if (!query.exec(statement))
            return fail(statement, query.lastError());
    if (!db.commit())
        return fail(outputPath, db.lastError());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vmr_make_template <schema.sql> <output.mdb>\n");
        return 2;
    }
    const int result = build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    QSqlDatabase::removeDatabase("template");
    return result;
}
