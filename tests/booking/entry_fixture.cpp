#include "booking/entry_fixture.h"

#include "core/screen_values.h"
#include "server/server_globals.h"

#include "support/seams.h"
#include "support/template_databases.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

EntryWindowTest::EntryWindowTest()
{
    gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
    gSeat = {{"1", "A1", ""}, {"2", "A2", ""}, {"3", "B1", ""}, {"4", "룸2", ""}};
    gSeatCount = int(gSeat.size());
    gSchHour = {10, 22};
    gStaff = {"김민준", "이서연", "정하늘 & 팀장"};
    gStaffCount = int(gStaff.size());
    gPersonType = "0";
    gRequireTime = 90;
    RegisterFormFactory(frmB예약_등록B::FormName(), [] { return new frmB예약_등록B(); });
}

EntryWindowTest::~EntryWindowTest()
{
    UnloadEveryForm();
}

frmB예약_등록B& EntryWindowTest::window()
{
    return *static_cast<frmB예약_등록B*>(FormByName(frmB예약_등록B::FormName()));
}

frmB예약_등록B& EntryWindowTest::open(int mode, const QString& bkNum, const QString& phone, const QString& when,
                                     const QString& seat)
{
    frmB예약_등록B& w = window();
    w.m_FirstActivated = true;
    w.m_ModeA = mode;
    w.m_BkNumT = bkNum;
    w.m_CustPhoneT = phone;
    w.m_예약일시 = when;
    w.m_좌석 = seat;
    w.show();
    ActivateForm(w);
    return w;
}

QStringList EntryWindowTest::paths()
{
    QStringList list;
    for (const StandinRequest& r : backend->requests())
        list.append(r.path);
    return list;
}

QString EntryWindowTest::body(const QString& path, int n)
{
    const auto requests = backend->requestsTo(path);
    return n < requests.size() ? QString::fromUtf8(requests[n].body) : QString();
}

QString EntryWindowTest::account()
{
    return "ID=" + backend.shopId() + "&PassWord=" + backend.shopPassword();
}

void UnloadEveryForm()
{
    const QStringList names = LoadedFormNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        UnloadForm(*it);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void EntryWindowTest::copyCache()
{
    ASSERT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.mdb"));
}

QStringList EntryWindowTest::cacheRows(const QString& columns)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "entry_fixture");
        db.setDatabaseName(program.file("VmrBooking.mdb"));
        db.open();
        QSqlQuery query(db);
        query.exec("SELECT " + columns + " FROM 예약 ORDER BY NUM");
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values.append(query.value(i).isNull() ? "-" : query.value(i).toString());
            rows.append(values.join("|"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("entry_fixture");
    return rows;
}

QStringList EntryWindowTest::messages() const
{
    return MessageBoxes().texts();
}
