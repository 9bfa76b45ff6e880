// The customer statistics' loads over a shop of 20,000 members and 100,000 reservations made by
// the stand-in's generator and cached as at start: the all load (in full, and once the member
// answer is in hand) and a one-month period search. Beside them their floors: the member answer
// split into records with its seven fields read (AnswerRecords::Separated), the grouped query read
// by a plain QSqlQuery, and the same cell texts set into the grids with repainting off (two for
// the all load, one for the period). Prints the times and the ratio of each load without the
// transfer to its floor, which is to stay within 2.
//   build/bench/bench_statistics_load
#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/screen_values.h"
#include "platform/spread_grid.h"
#include "server/reservation_cache.h"
#include "standin/generated_customers.h"
#include "stats/statistics_window.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include "manual_timing.h"

#include <array>
#include <cstdio>
#include <memory>

namespace {

constexpr int kMembers = 20000;
constexpr int kReservations = 100000;
constexpr int kColumns = 12;

// The query the window groups the cache with, written out here as the floor runs it.
const QString kGrouped = "SELECT e.cNum, e.cNameT, e.cLevelT, g.cPhoneT, e.cSexT, e.cAgeT, e.cBirthdayT, e.최초방문일,"
                         " g.m방문일, g.방문수, e.총방문수, e.cMemoT"
                         " FROM (SELECT cPhoneT, MIN(rowid) AS firstRow, MIN(방문일) AS m방문일, COUNT(*) AS 방문수"
                         " FROM 예약%1 GROUP BY cPhoneT) g JOIN 예약 e ON e.rowid = g.firstRow ORDER BY g.cPhoneT";

struct Setup
{
    Setup()
    {
        GenerateCustomers(backend.shop(), {kMembers, kReservations, 1}, QDate::currentDate());
        gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
        CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
        if (!Load_예약_전체())
            std::fprintf(stderr, "the reservation cache was not built\n");
        memberAnswer = BackendRequest("Load_회원검색() ... ", "/program/SearchMember1.php").add("textz", "").send();
        frmz통계B::m_Kind = "예약";
    }
    TempProgramDir dir;
    StandinFixture backend;
    QString memberAnswer;
};

Setup& setup()
{
    static auto instance = std::make_unique<Setup>();
    return *instance;
}

frmz통계B& window()
{
    setup();
    return Form<frmz통계B>();
}

void setMonth(frmz통계B& w)
{
    w.기간[0]->setDate(QDate::currentDate().addMonths(-1));
    w.기간[1]->setDate(QDate::currentDate());
}

template <class Load>
double timed(Load load)
{
    frmz통계B& w = window();
    setMonth(w);
    QElapsedTimer timer;
    timer.start();
    load(w);
    return elapsedMs(timer);
}

double fullMs()
{
    return timed([](frmz통계B& w) { w.Load_전체예약n회원(); });
}

double inHandMs()
{
    return timed([](frmz통계B& w) { w.Load_전체예약n회원(setup().memberAnswer); });
}

double periodMs()
{
    return timed([](frmz통계B& w) { w.Load_예약검색결과(); });
}

// The cell texts of the window's list after a load, taken once.
using Cells = QList<QStringList>;

Cells cellsAfter(bool all)
{
    frmz통계B& w = window();
    setMonth(w);
    all ? w.Load_전체예약n회원(setup().memberAnswer) : w.Load_예약검색결과();
    Cells cells;
    const SpreadGrid& grid = *w.SPR[0];
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        QStringList texts;
        for (int col = 1; col <= kColumns; ++col)
            texts.append(grid.GetText(col, row));
        cells.append(texts);
    }
    return cells;
}

// The member answer's seven fields of every record, their markers made beforehand.
void readMembers()
{
    static const auto markers = [] {
        QList<std::pair<QString, QString>> pairs;
        for (const char* name : {"num", "name", "name2", "phone", "birthday", "sex", "memo"})
            pairs.append({QString::fromUtf8(name) + "[", "]" + QString::fromUtf8(name)});
        return pairs;
    }();
    for (const AnswerRecord& record : AnswerRecords::Separated(setup().memberAnswer, "<menubrrs>"))
        for (const auto& [open, close] : markers)
            benchmark::DoNotOptimize(record.field(open, close));
}

void readGroups(bool period)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "floor");
        db.setDatabaseName(setup().dir.file("VmrBooking.mdb"));
        db.open();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(kGrouped.arg(period ? " WHERE 방문일 BETWEEN ? AND ?" : ""));
        if (period) {
            query.addBindValue(QDate::currentDate().addMonths(-1).toString("yyyy-MM-dd"));
            query.addBindValue(QDate::currentDate().toString("yyyy-MM-dd"));
        }
        query.exec();
        while (query.next())
            for (int i = 0; i < kColumns; ++i)
                benchmark::DoNotOptimize(query.value(i).toString());
    }
    QSqlDatabase::removeDatabase("floor");
}

// The floor's grids, kept like the window's from one load to the next; gone before the application.
std::unique_ptr<std::array<SpreadGrid, 2>> floorGrids;

void fillGrids(const Cells& cells, int grids)
{
    if (!floorGrids)
        floorGrids = std::make_unique<std::array<SpreadGrid, 2>>();
    for (int g = 0; g < grids; ++g) {
        SpreadGrid& grid = (*floorGrids)[g];
        grid.SetMaxCols(kColumns);
        grid.SetReDraw(false);
        grid.SetMaxRows(0);
        grid.SetMaxRows(int(cells.size()));
        for (int row = 1; row <= cells.size(); ++row)
            for (int col = 1; col <= kColumns; ++col)
                grid.SetText(col, row, cells[row - 1][col - 1]);
        benchmark::DoNotOptimize(grid.MaxRows());
    }
}

double allFloorMs()
{
    static const Cells cells = cellsAfter(true);
    QElapsedTimer timer;
    timer.start();
    readMembers();
    readGroups(false);
    fillGrids(cells, 2);
    return elapsedMs(timer);
}

double periodFloorMs()
{
    static const Cells cells = cellsAfter(false);
    QElapsedTimer timer;
    timer.start();
    readGroups(true);
    fillGrids(cells, 1);
    return elapsedMs(timer);
}

} // namespace

BENCHMARK(Timed<fullMs>)->Name("StatisticsAllLoad/20000x100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<inHandMs>)->Name("StatisticsAllLoadAnswerInHand/20000x100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<allFloorMs>)->Name("StatisticsAllFloor/20000x100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<periodMs>)->Name("StatisticsMonthSearch/100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<periodFloorMs>)->Name("StatisticsMonthFloor/100000")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double full = median(fullMs, 3);
    const double inHand = median(inHandMs, 5);
    const double allFloor = median(allFloorMs, 5);
    const double period = median(periodMs, 5);
    const double periodFloor = median(periodFloorMs, 5);
    std::printf("all load %.1f ms (ratio %.2f with the transfer), with the member answer in hand %.1f ms, floor %.1f ms,"
                " ratio %.2f\n",
                full, full / allFloor, inHand, allFloor, inHand / allFloor);
    std::printf("one-month search %.1f ms, floor %.1f ms, ratio %.2f\n", period, periodFloor, period / periodFloor);
    floorGrids.reset();
    return 0;
}
