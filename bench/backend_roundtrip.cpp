// The round trip the board and the cache rebuild wait for: the reservation list of all days,
// asked through the request helper from the stand-in, with its log lines.
#include "core/backend_request.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// The sample shop's reservations repeated until the list holds the wanted number.
void growReservations(ShopState& shop, qsizetype wanted)
{
    const QList<StandinRecord> sample = shop.reservations;
    for (qsizetype i = shop.reservations.size(); i < wanted; ++i) {
        StandinRecord copy = sample.at(i % sample.size());
        copy.insert("num", QString::number(100000 + i));
        shop.reservations.append(copy);
    }
}

void BM_ReservationListAllDays(benchmark::State& state)
{
    TempProgramDir dir;
    StandinFixture backend;
    growReservations(backend.shop(), state.range(0));
    for (auto _ : state) {
        const QString answer = BackendRequest("Load_예약_전체() ... ", "/vbPHP/zzimorderload.php")
                                   .add("day", "all")
                                   .add("day2", "all")
                                   .add("noshowt", "N")
                                   .add("select", "all")
                                   .send();
        benchmark::DoNotOptimize(answer);
    }
}

} // namespace

BENCHMARK(BM_ReservationListAllDays)->Arg(150)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
