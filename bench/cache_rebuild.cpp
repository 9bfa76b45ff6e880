// The full rebuild of the reservation cache that the start timer runs, with 10,000 reservations
// served by the stand-in, beside its floor: the plain insert of the same rows with one prepared
// statement in one transaction. Prints both times (the rebuild without its HTTP transfer) and
// their ratio, which is to stay within 3.
#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "server/reservation_cache.h"
#include "server/reservation_list_record.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"
#include "support/template_databases.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include "manual_timing.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kReservations = 10000;

// A program folder with the stand-in serving the sample shop's reservations, repeated and
// renumbered up to the wanted count, every one confirmed so that every one is cached.
struct Setup
{
    Setup()
    {
        const QList<StandinRecord> sample = backend.shop().reservations;
        backend.shop().reservations.clear();
        for (int i = 0; i < kReservations; ++i) {
            StandinRecord copy = sample.at(i % sample.size());
            copy.insert("num", QString::number(100000 + i));
            copy.insert("YN", "Y");
            backend.shop().reservations.append(copy);
        }
    }
    TempProgramDir dir;
    StandinFixture backend;
};

Setup& setup()
{
    static auto instance = std::make_unique<Setup>();
    return *instance;
}

QString fetchList()
{
    return BackendRequest("Load_예약_전체() ... ", "/vbPHP/zzimorderload.php")
        .add("day", "all")
        .add("day2", "all")
        .add("noshowt", "N")
        .add("select", "all")
        .send();
}

double rebuildMs()
{
    CopyTemplate(setup().dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
    QElapsedTimer timer;
    timer.start();
    Load_예약_전체();
    return elapsedMs(timer);
}

// The rebuild once the answer has arrived (the HTTP transfer excluded).
double storeMs()
{
    static const QString answer = fetchList();
    CopyTemplate(setup().dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
    QElapsedTimer timer;
    timer.start();
    Store_예약_전체(answer, setup().dir.file("VmrBooking.mdb"));
    return elapsedMs(timer);
}

// The same rows, read beforehand, inserted with one prepared statement in one transaction.
double floorMs()
{
    static QList<CacheRow> rows = [] {
        QList<CacheRow> read;
        ReservationListReader reader;
        for (const AnswerRecord& record : AnswerRecords::Separated(fetchList(), "<menubrrs>"))
            if (const auto row = reader.read(record))
                read.append(*row);
        return read;
    }();
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
                       "인원N, 요청사항, cNameT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const CacheRow& r : rows) {
            const QVariantList values{r.num,   r.방문일, r.cPhoneT,      r.접수일시,       r.예약일시,
                                      r.종료일시, r.예약자, r.모임명,       r.좌석,           r.party.code,
                                      r.party.total, r.요청사항, r.cNameT.value_or("")};
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

} // namespace

BENCHMARK(Timed<rebuildMs>)->Name("CacheRebuild/10000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<storeMs>)->Name("CacheRebuildWithoutTransfer/10000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<floorMs>)->Name("PlainInsertFloor/10000")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double rebuild = median(rebuildMs, 3);
    const double withoutTransfer = median(storeMs, 5);
    const double floor = median(floorMs, 5);
    std::printf("rebuild %.1f ms, without the HTTP transfer %.1f ms, plain insert floor %.1f ms, ratio %.2f\n",
                rebuild, withoutTransfer, floor, withoutTransfer / floor);
    return 0;
}
