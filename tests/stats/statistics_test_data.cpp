#include "stats/statistics_test_data.h"

#include "stats/statistics_window.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

void CacheVisits(const QString& path, const QList<CachedVisit>& visits)
{
    const QString connection = QStringLiteral("statistics_test_cache");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare("INSERT INTO 예약 (cPhoneT, 방문일, cNameT, 최초방문일, 총방문수, cNum, cLevelT, cMemoT)"
                       " VALUES (?, ?, ?, ?, ?, ?, '단골', '예약메모')");
        for (const CachedVisit& v : visits) {
            for (const QVariant& value : {QVariant(v.phone), QVariant(v.day), QVariant(v.name), QVariant(v.firstVisit),
                                          QVariant(v.totalVisits), QVariant("c" + v.phone.right(4))})
                insert.addBindValue(value);
            EXPECT_TRUE(insert.exec());
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(connection);
}

QStringList GridColumn(SpreadGrid& grid, int col)
{
    QStringList texts;
    for (int row = 1; row <= grid.MaxRows(); ++row)
        texts.append(grid.GetText(col, row));
    return texts;
}

QStringList FigureTexts(const frmz통계B& window)
{
    QStringList texts;
    for (const QLabel* label : window.lblNO)
        texts.append(label->text());
    return texts;
}
