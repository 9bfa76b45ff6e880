#pragma once

#include "support/program_dir.h"
#include "support/qt_printers.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QStringList>
#include <QVariantList>
#include <gtest/gtest.h>

// A program folder with a fresh cache ("VmrBooking.mdb" from the built template) and the stand-in.
class CacheTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb")); }

    // The rows of the cache, each as its columns joined by "|" ("-" for null), ordered as asked.
    QStringList rows(const QString& columns, const QString& orderBy = "NUM, 예약일시") const;
    // Runs statements on the cache outside the program's access layer.
    void exec(const QStringList& statements) const;

    // Scripts the reservation list to answer with this text.
    void serveList(const QString& answer) { backend->script("/vbPHP/zzimorderload.php", StandinReply::text(answer)); }

    TempProgramDir dir;
    StandinFixture backend;
};

// One record of the reservation list as the backend writes it: " name[value]name " per field.
QString ListRecord(const QList<std::pair<QString, QString>>& fields);

// A list answer: the head with its counters, then "<menubrrs>" before every record.
QString ListAnswer(const QStringList& records);

// The party block of the wire ("<persontype>1</persontype><sexmale>2</sexmale>...").
QString PartyBlockOf(const QString& scheme, const QList<std::pair<QString, int>>& counts);
