// The full rebuild of the reservation cache that the start timer runs, beside its floor: the plain
// insert of the same rows (first visits and visit counts included) with one prepared statement in
// one transaction, the values ready. Two sizes: 10,000 reservations (the sample shop's repeated
// and renumbered, every one confirmed) and the stand-in's generated large shop (100,000
// reservations of 20,000 members, seed 1). Prints the rebuild once the list has arrived (its check,
// the fill of a fresh copy of the template, the replace) against the insert, and the whole start-up
// fill at the large shop (the request included) against fetching the same answer plus the insert.
// Each ratio is to stay within 1.5.
#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "server/reservation_cache.h"
#include "server/reservation_list_record.h"
#include "standin/generated_customers.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include "manual_timing.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int kSmall = 10000;
constexpr int kLargeMembers = 20000;
constexpr int kLarge = 100000;

// A cache row with the first visit and the visit count of its phone, as the rebuild leaves it.
struct FloorRow
{
    CacheRow row;
    QString firstVisit;
    int visits = 0;
};

QString fetchList()
{
    return BackendRequest("Load_예약_전체() ... ", "/vbPHP/zzimorderload.php")
        .add("day", "all")
        .add("day2", "all")
        .add("noshowt", "N")
        .add("select", "all")
        .send();
}

QList<FloorRow> floorRowsOf(const QString& answer)
{
    QList<FloorRow> rows;
    ReservationListReader reader;
    for (const AnswerRecord& record : AnswerRecords::Separated(answer, "<menubrrs>"))
        if (const auto row = reader.read(record))
            rows.append({*row, {}, 0});
    QHash<QString, std::pair<QString, int>> phones;
    for (const FloorRow& r : rows) {
        auto& [first, count] = phones[r.row.cPhoneT];
        if (count == 0 || r.row.방문일 < first)
            first = r.row.방문일;
        ++count;
    }
    for (FloorRow& r : rows)
        std::tie(r.firstVisit, r.visits) = phones.value(r.row.cPhoneT);
    return rows;
}

// One size of shop: its reservations, the list answer the stand-in gives for them, and the rows
// the floor inserts.
struct Shop
{
    QList<StandinRecord> reservations;
    QString answer;
    QList<FloorRow> rows;
};

// A program folder, the stand-in, and both shops; the stand-in serves the shop last chosen.
struct Setup
{
    Setup()
    {
        const QList<StandinRecord> sample = backend.shop().reservations;
        for (int i = 0; i < kSmall; ++i) {
            StandinRecord copy = sample.at(i % sample.size());
            copy.insert("num", QString::number(100000 + i));
            copy.insert("YN", "Y");
            small.reservations.append(copy);
        }
        GenerateCustomers(backend.shop(), {kLargeMembers, kLarge, 1}, QDate::currentDate());
        large.reservations = backend.shop().reservations;
        for (Shop* shop : {&small, &large}) {
            serve(*shop);
            shop->answer = fetchList();
            shop->rows = floorRowsOf(shop->answer);
        }
        CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.0.mdb");
    }
    void serve(const Shop& shop) { backend.shop().reservations = shop.reservations; }

    TempProgramDir dir;
    StandinFixture backend;
    Shop small;
    Shop large;
};

Setup& setup()
{
    static auto instance = std::make_unique<Setup>();
    return *instance;
}

// The rebuild once the answer has arrived (the HTTP transfer excluded).
template <Shop Setup::*shop>
double rebuildMs()
{
    const QString& answer = (setup().*shop).answer;
    QElapsedTimer timer;
    timer.start();
    Rebuild_예약_전체(answer, HttpOutcome::Complete);
    return elapsedMs(timer);
}

// The same rows, values ready, inserted with one prepared statement in one transaction.
double insertMs(const QList<FloorRow>& rows)
{
    CopyTemplate(setup().dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "floor");
        db.setDatabaseName(setup().dir.file("VmrBooking.mdb"));
        db.open();
        QElapsedTimer timer;
        timer.start();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare("INSERT INTO 예약 (NUM, 방문일, cPhoneT, 접수일시, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, "
                       "인원N, 요청사항, cNameT, 최초방문일, 총방문수) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const FloorRow& f : rows) {
            const CacheRow& r = f.row;
            const QVariantList values{r.num,         r.방문일,   r.cPhoneT, r.접수일시, r.예약일시,
                                      r.종료일시,    r.예약자,   r.모임명,  r.좌석,     r.party.code,
                                      r.party.total, r.요청사항, r.cNameT.value_or(""), f.firstVisit, f.visits};
            for (int i = 0; i < values.size(); ++i)
                insert.bindValue(i, values[i]);
            insert.exec();
        }
        db.commit();
        ms = elapsedMs(timer);
        db.close();
    }
    QSqlDatabase::removeDatabase("floor");
    return ms;
}

template <Shop Setup::*shop>
double floorMs()
{
    return insertMs((setup().*shop).rows);
}

// The start timer's rebuild at the large shop: the request to the stand-in and the rebuild.
double startupFillMs()
{
    setup().serve(setup().large);
    QElapsedTimer timer;
    timer.start();
    Load_예약_전체();
    return elapsedMs(timer);
}

// Its floor: fetching the same answer, then the plain insert.
double startupFloorMs()
{
    setup().serve(setup().large);
    QElapsedTimer timer;
    timer.start();
    const QString answer = fetchList();
    const double fetched = elapsedMs(timer);
    if (answer != setup().large.answer)
        std::fprintf(stderr, "the large shop's answer changed\n");
    return fetched + insertMs(setup().large.rows);
}

// The work and its floor run in turns, so that a machine that is slower for a while slows both.
void printRatio(const char* what, double (*measure)(), double (*floor)(), int runs)
{
    QList<double> times;
    QList<double> floorTimes;
    for (int i = 0; i < runs; ++i) {
        times.append(measure());
        floorTimes.append(floor());
    }
    const double time = medianOf(times);
    const double floorTime = medianOf(floorTimes);
    std::printf("%s: %.1f ms, floor %.1f ms, ratio %.2f\n", what, time, floorTime, time / floorTime);
}

} // namespace

BENCHMARK(Timed<rebuildMs<&Setup::small>>)->Name("CacheRebuildWithoutTransfer/10000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<floorMs<&Setup::small>>)->Name("PlainInsertFloor/10000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<rebuildMs<&Setup::large>>)->Name("CacheRebuildWithoutTransfer/100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<floorMs<&Setup::large>>)->Name("PlainInsertFloor/100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<startupFillMs>)->Name("StartupFill/100000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<startupFloorMs>)->Name("FetchAndInsertFloor/100000")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    printRatio("rebuild without the transfer, 10,000 reservations", rebuildMs<&Setup::small>, floorMs<&Setup::small>, 11);
    printRatio("rebuild without the transfer, 100,000 reservations", rebuildMs<&Setup::large>, floorMs<&Setup::large>, 7);
    printRatio("start-up fill, 100,000 reservations", startupFillMs, startupFloorMs, 5);
    return 0;
}
