#include "board/board_fixture.h"

#include "board/fake_windows.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

class ListGrids : public BoardTest
{
protected:
    frmB예약관리& board() { return Form<frmB예약관리>(); }

    // A logged call: kind, seconds before the clock's now, status, number.
    void addCall(int kind, int secondsAgo, const QString& status, const QString& tel, const QString& day = "2024-05-07")
    {
        const QDateTime at = clock->now().addSecs(-secondsAgo);
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(program.file("VmrCID.mdb"));
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            query.prepare("INSERT INTO cid (time_modified, rDate, rTime, Tel, cid_kind, Status) VALUES (?, ?, ?, ?, ?, ?)");
            for (const QVariant& v : QVariantList{at.toString("yyyy-MM-dd HH:mm:ss"), day, at.toString("HH:mm:ss"), tel,
                                                  kind, status.isNull() ? QVariant() : QVariant(status)})
                query.addBindValue(v);
            ASSERT_TRUE(query.exec());
        }
        QSqlDatabase::removeDatabase(connection);
    }
    QStringList storedStatuses()
    {
        QStringList statuses;
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(program.file("VmrCID.mdb"));
            db.open();
            QSqlQuery query("SELECT Status FROM cid ORDER BY cid_id", db);
            while (query.next())
                statuses << query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(connection);
        return statuses;
    }
    void clickRow(int grid, int col, int row) { board().SPR_Click(grid, col, row); }
};

TEST_F(ListGrids, CallListNewestFirstWithTheBusyRule)
{
    addCall(2, 46, QString(), "01012345678");
    addCall(2, 45, QString(), "0212345678");
    addCall(2, 10, "", "01011112222");
    addCall(1, 3600, QString(), "01033334444");
    addCall(2, 3600, "수신", "01055556666");
    addCall(2, 3600, QString(), "01077778888", "2024-05-06");
    frmB예약관리& b = open();
    SpreadGrid& calls = *b.SPR[1];
    ASSERT_EQ(calls.MaxRows(), 5);
    EXPECT_EQ(calls.GetText(1, 1), "5");
    EXPECT_EQ(calls.GetText(1, 5), "1");
    EXPECT_EQ(calls.GetText(3, 5), "010-1234-5678");
    EXPECT_EQ(calls.GetText(3, 4), "02-1234-5678");
    EXPECT_EQ(calls.GetText(2, 5), "14:24:17");
    EXPECT_EQ(calls.GetText(5, 5), "2024-05-07 14:24:17");
    EXPECT_EQ(calls.GetText(6, 5), "→");
    const QStringList shown{calls.GetText(4, 1), calls.GetText(4, 2), calls.GetText(4, 3), calls.GetText(4, 4),
                            calls.GetText(4, 5)};
    EXPECT_EQ(shown, QStringList({"수신", "", "", "", "통화중"}));
    EXPECT_EQ(storedStatuses(), QStringList({"통화중", "", "", "", "수신", ""}));
    EXPECT_EQ(calls.ActiveRow(), 1);
    EXPECT_EQ(calls.ActiveCol(), 3);
}

// The first panel holds today's calls, whatever day the board shows. A call shows its own row
// without the day being read again: a new call on top, a known one changed in place, a call of
// another day not at all. The day buttons leave the list alone, and after midnight a call or a
// day button brings today's calls.
TEST_F(ListGrids, TheCallListHoldsTodaysCalls)
{
    addCall(1, 600, QString(), "01033334444");
    addCall(2, 300, QString(), "01055556666");
    frmB예약관리& b = open();
    SpreadGrid& calls = *b.SPR[1];
    ASSERT_EQ(calls.MaxRows(), 2);
    calls.SetText(2, 2, "untouched");
    const auto call = [](qint64 id, const QString& day, const QString& tel, const QString& status = QString()) {
        CallLogRow row;
        row.id = id;
        row.day = day;
        row.time = "14:25:03";
        row.tel = tel;
        row.status = status;
        row.modified = day + " 14:25:03";
        row.kind = 2;
        return row;
    };

    b.ShowCall(call(3, "2024-05-07", "0212345678"));
    ASSERT_EQ(calls.MaxRows(), 3);
    EXPECT_EQ(calls.GetText(1, 1), "3");
    EXPECT_EQ(calls.GetText(3, 1), "02-1234-5678");
    EXPECT_EQ(calls.GetText(6, 1), "→");
    EXPECT_EQ(calls.GetText(1, 3), "1");
    EXPECT_EQ(calls.GetText(2, 3), "untouched");
    EXPECT_EQ(calls.ActiveRow(), 1);

    b.ShowCall(call(2, "2024-05-07", "01055556666", "수신"));
    ASSERT_EQ(calls.MaxRows(), 3);
    EXPECT_EQ(calls.GetText(1, 2), "2");
    EXPECT_EQ(calls.GetText(4, 2), "수신");
    b.ShowCall(call(4, "2024-05-06", "01099990000"));
    EXPECT_EQ(calls.MaxRows(), 3);

    // The board on tomorrow: the day buttons and a call keep today's list, the call on top.
    b.CMD_Click(16);
    ASSERT_EQ(b.ShownDay(), "2024-05-08");
    EXPECT_EQ(calls.MaxRows(), 3);
    b.ShowCall(call(5, "2024-05-07", "01011112222"));
    ASSERT_EQ(calls.MaxRows(), 4);
    EXPECT_EQ(calls.GetText(3, 1), "010-1111-2222");
    b.CMD_Click(15);
    b.CMD_Click(14);
    EXPECT_EQ(calls.MaxRows(), 4);
    EXPECT_EQ(calls.GetText(2, 4), "untouched");

    // After midnight.
    clock->set(QDateTime(QDate(2024, 5, 8), QTime(0, 0, 10)));
    addCall(1, 0, QString(), "01099990000", "2024-05-08");
    b.ShowCall(call(4, "2024-05-07", "01088887777"));
    ASSERT_EQ(calls.MaxRows(), 1);
    EXPECT_EQ(calls.GetText(3, 1), "010-9999-0000");
    clock->set(QDateTime(QDate(2024, 5, 9), QTime(0, 0, 10)));
    b.CMD_Click(16);
    EXPECT_EQ(calls.MaxRows(), 0);
}

TEST_F(ListGrids, MissingCallLog)
{
    QFile::remove(program.file("VmrCID.mdb"));
    frmB예약관리& b = open();
    EXPECT_EQ(b.SPR[1]->MaxRows(), 0);
    EXPECT_TRUE(log().contains("E)frmB예약관리->Load_CID DB OPEN Error: '" + program.file("VmrCID.mdb") + "'"));
    EXPECT_FALSE(MessageBoxes().texts().filter("VmrCID.mdb").isEmpty());
}

TEST_F(ListGrids, UnreadableCallLogLogsItsQuery)
{
    hideTable("VmrCID.mdb", "cid");
    frmB예약관리& b = open();
    EXPECT_EQ(b.SPR[1]->MaxRows(), 0);
    EXPECT_TRUE(log().contains("E)frmB예약관리->Load_CID RS OPEN Error: \r\n"
                               "SELECT * FROM cid WHERE rDate = #2024-05-07# ORDER BY cid_id Desc"));
}

TEST_F(ListGrids, RowClicksSearchTheCustomer)
{
    backend->script("/vbPHP/zzimorderload.php",
                    StandinReply::text("<menubrrs> num[7]num  regdatess[2024-05-07]regdatess  regdatess3[18:00]regdatess3 "
                                       " requestname[홍길동]requestname  phone[010-2222-3333]phone  YN[Y]YN "));
    addCall(1, 30, "수신", "0312345678");
    frmB예약관리& b = open();
    const auto searched = [this] {
        const QList<StandinRequest> searches = backend->requestsTo("/program/SearchMember1.php");
        return searches.isEmpty() ? QString() : QString::fromUtf8(searches.last().body).section("&textz=", 1);
    };
    clickRow(0, 3, 1);
    EXPECT_EQ(searched(), "01022223333");
    clickRow(1, 2, 1);
    EXPECT_EQ(searched(), "0312345678");
    b.SPR[3]->SetMaxRows(1);
    b.SPR[3]->SetText(2, 1, "010-4444-5555");
    clickRow(3, 3, 1);
    EXPECT_EQ(searched(), "01044445555");
    const int searches = backend->requestsTo("/program/SearchMember1.php").size();
    clickRow(0, 3, 0);
    clickRow(0, 3, 2);
    clickRow(0, 16, 1);
    EXPECT_EQ(backend->requestsTo("/program/SearchMember1.php").size(), searches);
}

TEST_F(ListGrids, HistoryRowsOpenOnlyOpenBookings)
{
    FakeEntryWindows entry;
    frmB예약관리& b = open();
    SpreadGrid& history = *b.SPR[2];
    const QStringList states{"대기", "확정", "거절", "취소", "노쇼", "완료"};
    history.SetMaxRows(int(states.size()));
    for (int r = 1; r <= states.size(); ++r) {
        history.SetText(1, r, QString::number(800 + r));
        history.SetText(11, r, states[r - 1]);
    }
    b.txtA[1]->setText("010-9876-5432");
    const int searches = backend->requestsTo("/vbPHP/zzimorderload.php").size();
    for (int r = 1; r <= states.size(); ++r)
        b.SPR_Click(2, 2, r);
    ASSERT_EQ(entry.openings.size(), 2);
    EXPECT_EQ(entry.openings[0].mode, 1);
    EXPECT_EQ(entry.openings[0].bkNum, "801");
    EXPECT_EQ(entry.openings[0].phone, "01098765432");
    EXPECT_EQ(entry.openings[1].bkNum, "802");
    EXPECT_TRUE(entry.openings[0].veiled);
    EXPECT_TRUE(b.picShadow->isHidden());
    EXPECT_EQ(backend->requestsTo("/vbPHP/zzimorderload.php").size(), searches + 2);
}

TEST_F(ListGrids, HeadersPaintedLightBlue)
{
    frmB예약관리& b = open();
    for (SpreadGrid* grid : b.SPR) {
        QImage image(grid->size(), QImage::Format_ARGB32);
        image.fill(Qt::black);
        grid->render(&image);
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(grid->GetCellPos(0, 0, &x, &y, &w, &h));
        EXPECT_EQ(QColor(image.pixel(x / 15 + 2, y / 15 + 2)), QColor(232, 246, 255));
    }
}

} // namespace
