#include "shell/schema_upgrade.h"

#include "support/log_entries.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/template_databases.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

// Runs statements on a database file of the test, outside the program's own access layer.
QList<QVariantList> sql(const QString& path, const QStringList& statements)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fixture");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
            while (query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row.append(query.value(i));
                rows.append(row);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("fixture");
    return rows;
}

// Everything a file holds besides its rows' contents: definitions and field properties.
QList<QVariantList> layout(const QString& path)
{
    return sql(path, {"SELECT type, name, sql FROM sqlite_master ORDER BY name",
                      "SELECT * FROM vmr_fields ORDER BY table_name, field_name"});
}

// The values of a row as one text, "-" for null: "Text|30|1|1|OpenAPI SeqNO|-".
QString joined(const QVariantList& row)
{
    QStringList parts;
    for (const QVariant& v : row)
        parts.append(v.isNull() ? "-" : v.toString());
    return parts.join("|");
}

QString fieldProperties(const QString& path, const QString& table, const QString& field)
{
    const auto rows = sql(path, {"SELECT field_type, field_size, allow_zero_length, unicode_compression, "
                                 "description, default_value FROM vmr_fields WHERE table_name = '"
                                 + table + "' AND field_name = '" + field + "'"});
    return rows.isEmpty() ? QString() : joined(rows.first());
}

// A call log of an older build: Status of 5 characters, no SeqNO, no cid_kind, no side table.
void writeOldCallLog(const QString& path)
{
    sql(path, {"CREATE TABLE cid (cid_id INTEGER PRIMARY KEY AUTOINCREMENT, time_modified TEXT, rDate TEXT, "
               "rTime TEXT, ch INTEGER, Tel VARCHAR(20), S_ID SMALLINT, isUsed BOOLEAN DEFAULT 0, Status VARCHAR(5))",
               "CREATE INDEX cid_rDate ON cid (rDate)",
               "INSERT INTO cid (cid_id, rDate, Tel, Status) VALUES (7, '2024-05-03', '01098765432', '수신')",
               "INSERT INTO cid (cid_id, rDate, Tel, Status) VALUES (9, '2024-05-04', '0212345678', NULL)",
               "DELETE FROM cid WHERE cid_id = 9"});
}

class SchemaUpgrade : public ::testing::Test
{
protected:
    QStringList logFiles() const { return QDir(dir.path()).entryList({"*.log"}, QDir::Files); }

    TempProgramDir dir;
};

TEST_F(SchemaUpgrade, OldCallLogAndTemplateAreBroughtToTheCurrentForm)
{
    writeOldCallLog(dir.file("VmrCID.mdb"));
    sql(dir.file("VmrBooking.0.mdb"), {"CREATE TABLE 예약 (NUM INTEGER, 방문일 TEXT, 예약일시 VARCHAR(16))"});

    Upgrade_자료구조변경(dir.path());

    const QString cid = dir.file("VmrCID.mdb");
    EXPECT_EQ(fieldProperties(cid, "cid", "Status"), "Text|10|0|0|-|-");
    EXPECT_EQ(fieldProperties(cid, "cid", "SeqNO"), "Text|30|1|1|OpenAPI SeqNO|-");
    EXPECT_EQ(fieldProperties(cid, "cid", "cid_kind"), "Long|-|0|0|1 KT, 2 LG|0");
    // Rows, their numbers, the numbering and the index survive the widening.
    const auto rows = sql(cid, {"INSERT INTO cid (Tel) VALUES ('0101')",
                                "SELECT cid_id, Tel, Status, SeqNO, cid_kind FROM cid ORDER BY cid_id",
                                "SELECT name FROM sqlite_master WHERE type = 'index' AND name = 'cid_rDate'",
                                "SELECT type FROM pragma_table_info('cid') WHERE name = 'Status'"});
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(joined(rows[0]), "7|01098765432|수신|-|0");
    EXPECT_EQ(rows[1][0].toInt(), 10);
    EXPECT_EQ(rows[1][4].toInt(), 0);
    EXPECT_EQ(rows[2][0].toString(), "cid_rDate");
    EXPECT_EQ(rows[3][0].toString(), "VARCHAR(10)");

    EXPECT_EQ(fieldProperties(dir.file("VmrBooking.0.mdb"), "예약", "종료일시"), "Text|19|1|1|종료일시|-");
    EXPECT_TRUE(logFiles().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file("VmrBooking.mdb")));
}

TEST_F(SchemaUpgrade, CurrentFilesAreLeftAsTheyAre)
{
    ASSERT_TRUE(CopyTemplate(dir, "VmrCID.mdb", "VmrCID.mdb"));
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    const auto cidBefore = layout(dir.file("VmrCID.mdb"));
    const auto bookingBefore = layout(dir.file("VmrBooking.0.mdb"));

    Upgrade_자료구조변경(dir.path());
    Upgrade_자료구조변경(dir.path());

    EXPECT_EQ(layout(dir.file("VmrCID.mdb")), cidBefore);
    EXPECT_EQ(layout(dir.file("VmrBooking.0.mdb")), bookingBefore);
    EXPECT_TRUE(logFiles().isEmpty());
    EXPECT_TRUE(MessageBoxes().shown().isEmpty());
}

TEST_F(SchemaUpgrade, UpgradedOldFileIsStableOnTheNextStart)
{
    writeOldCallLog(dir.file("VmrCID.mdb"));
    ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    Upgrade_자료구조변경(dir.path());
    const auto once = layout(dir.file("VmrCID.mdb"));
    Upgrade_자료구조변경(dir.path());
    EXPECT_EQ(layout(dir.file("VmrCID.mdb")), once);
}

TEST_F(SchemaUpgrade, MissingTemplateLeavesTheCallLogUpgraded)
{
    writeOldCallLog(dir.file("VmrCID.mdb"));
    Upgrade_자료구조변경(dir.path());
    EXPECT_TRUE(fieldProperties(dir.file("VmrCID.mdb"), "cid", "Status").startsWith("Text|10|"));
    EXPECT_FALSE(QFileInfo::exists(dir.file("VmrBooking.0.mdb")));
    ASSERT_EQ(MessageBoxes().shown().size(), 1);
    EXPECT_TRUE(MessageBoxes().shown().at(0).text.contains(dir.file("VmrBooking.0.mdb")));
}

TEST_F(SchemaUpgrade, CallLogWithoutTableStopsBeforeTheTemplate)
{
    sql(dir.file("VmrCID.mdb"), {"CREATE TABLE other (x INTEGER)"});
    sql(dir.file("VmrBooking.0.mdb"), {"CREATE TABLE 예약 (NUM INTEGER)"});

    Upgrade_자료구조변경(dir.path());

    const QStringList errors = LogEntries("_ErrorLog");
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_TRUE(errors.first().contains("e)StartUp->Upgrade_자료구조변경[Erl:=2, Eno:=1]\r\n   no such table: cid"))
        << errors.first().toStdString();
    EXPECT_EQ(sql(dir.file("VmrBooking.0.mdb"), {"SELECT count(*) FROM pragma_table_info('예약')"}).value(0).value(0), 1);
}

} // namespace
