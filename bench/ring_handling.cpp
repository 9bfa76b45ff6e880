// What a ring costs while the day fills up: one incoming call handled (its row in the call log,
// the caller card of a narrow main window, its row in the call list of the loaded board) with 100
// and with 2,000 calls already in the day's log, each beside its floor, the insert of one call row
// alone. The backend is left out (a landline number: no member look-up). Prints the times and the
// ratio of the two rings, which is to stay within 1.5: a ring must not read the day again.
//   build/bench/bench_ring_handling
#include "board/board_window.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "server/call_log.h"
#include "shell/main_window.h"
#include "support/program_dir.h"
#include "support/seams.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include "manual_timing.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int kRuns = 31;
const QString kNumber = QStringLiteral("0212345678");

struct Setup
{
    Setup()
    {
        gIniFrshop.setFileName(dir.file("Frshop.cfg"));
        gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
        CopyTemplate(dir, "VmrCID.mdb", "VmrCID.mdb");
        CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
        frmMainMDI& main = Form<frmMainMDI>();
        main.show();
        QCoreApplication::processEvents();
        main.TopCMD_Click(0);
        main.lbMiniView_DblClick();
    }
    ~Setup()
    {
        for (const QString& name : LoadedFormNames())
            UnloadForm(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TempProgramDir dir;
    StandinFixture backend;
    int calls = 0;
};

std::unique_ptr<Setup> gSetup;

Setup& setup()
{
    if (!gSetup)
        gSetup = std::make_unique<Setup>();
    return *gSetup;
}

QDate today()
{
    return CurrentClock().now().date();
}

// Tops today's calls up to the count in one transaction, and the board's list reads them.
void dayWithCalls(int count)
{
    Setup& s = setup();
    if (s.calls >= count)
        return;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench");
        db.setDatabaseName(s.dir.file("VmrCID.mdb"));
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare("INSERT INTO cid (time_modified, rDate, rTime, ch, Tel, S_ID, SeqNO, cid_kind) "
                       "VALUES (?, ?, '12:00:00', 1, ?, 0, ?, 2)");
        const QString day = today().toString("yyyy-MM-dd");
        for (; s.calls < count; ++s.calls) {
            insert.addBindValue(day + " 12:00:00");
            insert.addBindValue(day);
            insert.addBindValue(kNumber);
            insert.addBindValue("EARLIER" + QString::number(s.calls));
            insert.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase("bench");
    if (auto* board = dynamic_cast<frmB예약관리*>(FindForm(frmB예약관리::FormName())))
        board->Load_CID(today(), false);
}

double ringMs()
{
    Setup& s = setup();
    frmMainMDI& main = Form<frmMainMDI>();
    QElapsedTimer timer;
    timer.start();
    main.CID처리2(2, 1, kNumber, "RING" + QString::number(s.calls++));
    return elapsedMs(timer);
}

double insertMs()
{
    Setup& s = setup();
    QElapsedTimer timer;
    timer.start();
    const QDateTime now = CurrentClock().now();
    CallLogRow row;
    row.day = now.toString("yyyy-MM-dd");
    row.time = now.toString("HH:mm:ss");
    row.modified = now.toString("yyyy-MM-dd HH:mm:ss");
    row.ch = 1;
    row.tel = kNumber;
    row.seqNo = "ROW" + QString::number(s.calls++);
    row.kind = 2;
    AddCallRow(row);
    return elapsedMs(timer);
}

template <int Calls>
double ringAfter()
{
    dayWithCalls(Calls);
    return ringMs();
}

template <int Calls>
double insertAfter()
{
    dayWithCalls(Calls);
    return insertMs();
}

} // namespace

BENCHMARK(Timed<ringAfter<100>>)->Name("Ring/100")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<insertAfter<100>>)->Name("CallRowFloor/100")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<ringAfter<2000>>)->Name("Ring/2000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<insertAfter<2000>>)->Name("CallRowFloor/2000")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message box answers at once instead of waiting for a click.
    SetMessageBoxService(&MessageBoxes());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    gSetup.reset();
    dayWithCalls(100);
    const double ring100 = median(ringAfter<100>, kRuns);
    const double insert100 = median(insertAfter<100>, kRuns);
    dayWithCalls(2000);
    const double ring2000 = median(ringAfter<2000>, kRuns);
    const double insert2000 = median(insertAfter<2000>, kRuns);
    std::printf("ring with 100 calls %.2f ms (call row %.2f ms, ratio %.2f)\n", ring100, insert100, ring100 / insert100);
    std::printf("ring with 2000 calls %.2f ms (call row %.2f ms, ratio %.2f)\n", ring2000, insert2000,
                ring2000 / insert2000);
    std::printf("ring 2000 / ring 100: ratio %.2f\n", ring2000 / ring100);
    gSetup.reset();
    return 0;
}
