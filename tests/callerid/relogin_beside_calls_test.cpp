#include "callerid/callerid_fixture.h"

#include "callerid/caller_id_values.h"
#include "core/jet_recordset.h"
#include "core/log.h"
#include "shell/main_window.h"
#include "shell/window_makers.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

class ReloginBesideCalls : public CallerIdTest
{
protected:
    ReloginBesideCalls() { EXPECT_TRUE(CopyTemplate(program, "VmrCID.mdb", "VmrCID.mdb")); }

    // The main window narrower than 1024 pixels: a call turns it into the caller card.
    static void showNarrowMainWindow()
    {
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        QCoreApplication::processEvents();
        main.m_EventPrevent = true;
        main.resize(1000, 768);
        QCoreApplication::processEvents();
        main.m_EventPrevent = false;
    }

    QStringList callNumbers() const
    {
        QStringList numbers;
        JetDbPtr db;
        JetRsPtr rs;
        if (JetOpenDB(db, program.file("VmrCID.mdb")) && JetOpenRST(*db, rs, "SELECT Tel FROM cid", dbOpenDynaset))
            for (; !rs->AtEnd(); rs->MoveNext())
                numbers.append(rs->Field("Tel").toString());
        return numbers;
    }

    StandinFixture backend;
};

// A KT try to log in again waits for an answer that does not come; a ring on a working LG U+ line
// meanwhile is handled while the try waits, and the try that found no answer is tried again later.
TEST_F(ReloginBesideCalls, ARingOnAWorkingLineIsNotHeldByAWaitingTry)
{
    showNarrowMainWindow();
    ASSERT_TRUE(startServices(true, {0}));
    services->silenceKt("login");
    services->clearReceived();
    const QString ktLogin = "KT LOGIN 1 " + gCIDktKEY + " vmrkt kt1234";
    // Rings once the try's login has reached the service, from inside the try's wait.
    QTimer ringer;
    ringer.setInterval(20);
    QObject::connect(&ringer, &QTimer::timeout, [&] {
        if (services.commands().contains(ktLogin)) {
            ringer.stop();
            services->ring("LG", "0212345678", QString(), 0);
        }
    });
    ringer.start();
    ASSERT_TRUE(services->drop("KT", -1));

    const QString tryFailed = "KTOpenAPI 다시 로그인 :: KT-OpenAPI Login:  ... 6초 후 다시 로그인";
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainLog().contains(tryFailed); }, 10000));
    EXPECT_EQ(callNumbers(), QStringList{"0212345678"});
    const QStringList log = mainLog();
    const qsizetype row = log.indexOf(QRegularExpression("CID처리2\\(4\\) .*"));
    EXPECT_TRUE(row >= 0 && row < log.indexOf(tryFailed)) << log.join('\n').toStdString();
}

} // namespace
