#include "board/board_fixture.h"

#include "board/board_globals.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/window_registry.h"
#include "server/server_globals.h"
#include "support/log_entries.h"
#include "support/template_databases.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

void CopySkinWithout(const QString& target, const QStringList& left)
{
    const QString built = QStringLiteral(VMR_BUILT_SKIN_DIR);
    QDir().mkpath(target);
    for (const QString& name : QDir(built).entryList(QDir::Files))
        if (!left.contains(name))
            QFile::copy(built + "/" + name, target + "/" + name);
}

BoardTest::BoardTest()
{
    gIniFrshop.setFileName(program.file("Frshop.cfg"));
    gSkinPath = program.file("skin");
    CopySkinWithout(gSkinPath, {});
    EXPECT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
    EXPECT_TRUE(CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb"));
    gTwipsX = gTwipsY = gTwipsX2 = gTwipsY2 = 15;
    gMDIClientW = 1022 * 15;
    gMDIClientH = 654 * 15;
    gSchHour = {9, 22};
    gRequireTime = 60;
    gSchScaleKind = 1;
    setTables({"A1", "A2", "B1", "B2"});
}

BoardTest::~BoardTest()
{
    const QStringList names = LoadedFormNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        UnloadForm(*it);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gIniFrshop.setFileName(QString());
    gSeat.clear();
    gSeatCount = 0;
}

frmB예약관리& BoardTest::load()
{
    return Form<frmB예약관리>();
}

frmB예약관리& BoardTest::open()
{
    frmB예약관리& board = Form<frmB예약관리>();
    board.m_FirstActivated = true;
    ShowFormModeless(board);
    QCoreApplication::processEvents();
    return board;
}

void BoardTest::setTables(const QStringList& names) const
{
    gSeat.clear();
    for (const QString& name : names)
        gSeat.append({QString::number(gSeat.size() + 1), name, QString()});
    gSeatCount = int(gSeat.size());
}

void BoardTest::addBooking(const QString& start, const QString& end, const QString& booker, const QString& seats,
                           int number, const QString& group, const QString& party, int guests) const
{
    const QString connection = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(program.file("VmrBooking.mdb"));
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        query.prepare("INSERT INTO 예약 (NUM, 방문일, cPhoneT, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항)"
                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const QVariant& value : QVariantList{number, start.left(10), "01098765432", start, end, booker, group,
                                                  seats, party, guests, "창가 자리"})
            query.addBindValue(value);
        EXPECT_TRUE(query.exec());
    }
    QSqlDatabase::removeDatabase(connection);
}

QStringList BoardTest::log() const
{
    return LogEntries();
}
