#include "shell/shell_fixture.h"

#include "core/login_values.h"
#include "platform/window_registry.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kCreditPath = "/program/alramsavingLoading.php";

// The main window after a login to the stand-in.
class MainTimers : public ShellTest
{
protected:
    MainTimers() { gStartLoaded = false; }
    ~MainTimers() override { gStartLoaded = false; }

    frmMainMDI& load()
    {
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        return main;
    }

    // The ticks of 30 seconds of the clock timer.
    static void runClock(frmMainMDI& main, int ticks = 60)
    {
        for (int i = 0; i < ticks; ++i)
            main.TimerClock_Timer();
    }

    static QStringList credits(const frmMainMDI& main)
    {
        QStringList texts;
        for (const QLabel* label : main.lbl남은문자)
            texts.append(label->text() + (label->palette().color(QPalette::WindowText) == QColor(Qt::black) ? " black" : " red"));
        return texts;
    }

    // The reservation numbers of the cache, in order.
    QStringList cachedNumbers() const
    {
        QStringList numbers;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "main_timers_test");
            db.setDatabaseName(program.file("VmrBooking.mdb"));
            EXPECT_TRUE(db.open());
            QSqlQuery query("SELECT NUM FROM 예약 ORDER BY NUM", db);
            while (query.next())
                numbers.append(query.value(0).toString());
        }
        QSqlDatabase::removeDatabase("main_timers_test");
        return numbers;
    }

    StandinFixture backend;
};

TEST_F(MainTimers, TheStartTimerRebuildsTheCacheOnceASecondAfterTheLoad)
{
    ASSERT_TRUE(CopyTemplate(program, "VmrBooking.0.mdb", "VmrBooking.0.mdb"));
    program.write("VmrBooking.mdb", "an old cache");
    QElapsedTimer sinceLoad;
    sinceLoad.start();
    frmMainMDI& main = load();
    // Measured, not waited for: a slow machine (or a sanitizer build) may take long to load.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !backend->requestsTo("/vbPHP/zzimorderload.php").isEmpty(); }, 5000));
    EXPECT_GE(sinceLoad.elapsed(), 1000);

    ASSERT_TRUE(QTest::qWaitFor([] { return gStartLoaded; }, 5000));
    QTest::qWait(1200);
    const QString log = mainLog();
    EXPECT_EQ(log.count("회원, 예약 Loading ... Start !!"), 1);
    EXPECT_EQ(log.count("회원, 예약 Loading ... End !!"), 1);
    EXPECT_LT(log.indexOf("Loading ... Start"), log.indexOf("Loading ... End"));
    const auto requests = backend->requestsTo("/vbPHP/zzimorderload.php");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].form().value("day"), "all");
    EXPECT_FALSE(main.Start_Timer->isActive());

    QStringList expected;
    for (const StandinRecord& reservation : backend.shop().reservations)
        if (reservation.value("YN") == "Y" || reservation.value("YN") == "finish")
            expected.append(reservation.value("num"));
    expected.sort();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(cachedNumbers(), expected);
}

TEST_F(MainTimers, WithoutATemplateOrCacheTheStartTimerStillOpensTheStatistics)
{
    frmMainMDI& main = load();
    main.Start_Timer_Timer();
    EXPECT_TRUE(gStartLoaded);
    EXPECT_TRUE(backend->requestsTo("/vbPHP/zzimorderload.php").isEmpty());
    EXPECT_TRUE(mainLog().contains("회원, 예약 Loading ... End !!"));
}

TEST_F(MainTimers, TheClockShowsDateWeekdayAndTime)
{
    ScopedFakeClock clock(QDateTime(QDate(2024, 3, 15), QTime(14, 5, 59)));
    frmMainMDI& main = load();
    main.TimerClock->stop();
    struct Case {
        QDateTime at;
        QString text;
    };
    const QList<Case> cases{
        {QDateTime(QDate(2024, 3, 15), QTime(14, 5, 59)), "03.15 (금) 14:05"},
        {QDateTime(QDate(2025, 1, 5), QTime(9, 0)), "01.05 (일) 09:00"},
        {QDateTime(QDate(2024, 12, 31), QTime(23, 59)), "12.31 (화) 23:59"},
    };
    for (const Case& c : cases) {
        clock->set(c.at);
        main.TimerClock_Timer();
        EXPECT_EQ(main.lblClock->text(), c.text);
    }
}

TEST_F(MainTimers, EveryThirtySecondsTheCreditIsShownWithItsThresholdColour)
{
    frmMainMDI& main = load();
    main.TimerClock->stop();
    main.WriteCreditLabels(0);

    backend.shop().credit = 22499;
    runClock(main, 59);
    EXPECT_TRUE(backend->requestsTo(kCreditPath).isEmpty());
    runClock(main, 1);
    EXPECT_EQ(backend->requestsTo(kCreditPath).size(), 1);
    EXPECT_EQ(credits(main), (QStringList{"1,499 red", "1,124 red", "499 red"}));

    backend.shop().credit = 22500;
    runClock(main);
    EXPECT_EQ(backend->requestsTo(kCreditPath).size(), 2);
    EXPECT_EQ(credits(main), (QStringList{"1,500 black", "1,125 black", "500 black"}));
}

TEST_F(MainTimers, NoCreditIsAskedWhileLoggedOutAndAnEmptyAnswerKeepsTheLabels)
{
    frmMainMDI& main = load();
    main.TimerClock->stop();
    main.WriteCreditLabels(45000);

    backend->script(kCreditPath, StandinReply::text("no credit here"));
    runClock(main);
    EXPECT_EQ(backend->requestsTo(kCreditPath).size(), 1);
    EXPECT_EQ(credits(main), (QStringList{"3,000 black", "2,250 black", "1,000 black"}));

    gShopID.clear();
    gShopPW.clear();
    runClock(main);
    EXPECT_EQ(backend->requestsTo(kCreditPath).size(), 1);
    EXPECT_FALSE(main.lblClock->text().isEmpty());
}

} // namespace
