// Opening the loaded reservation entry window in edit mode for a member with 300 reservations:
// the member search, detail, cars, history and the reservation load with their parsing and
// filling, from the show to the end of the first activation. Beside it the floor: the same five
// requests sent through the request helper. Prints both times and their ratio, which is to stay
// within 3.
//   build/bench/bench_entry_open
#include "booking/entry_window.h"
#include "core/backend_request.h"
#include "core/screen_values.h"
#include "server/server_globals.h"
#include "support/program_dir.h"
#include "support/standin_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include "manual_timing.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kReservations = 300;
const QString kMember = "9011";
const QString kPhone = "01054787890";
const QString kReservation = "100000";

struct Setup
{
    Setup()
    {
        const QList<StandinRecord> sample = backend.shop().reservations;
        for (int i = 0; i < kReservations; ++i) {
            StandinRecord copy = sample.at(i % sample.size());
            copy.insert("num", QString::number(100000 + i));
            copy.insert("membernum", kMember);
            backend.shop().reservations.append(copy);
        }
        gSkinPath = QStringLiteral(VMR_BUILT_PROGRAM_DIR) + "/skin";
        gSeat = {{"1", "A1", ""}, {"2", "A2", ""}, {"3", "B1", ""}, {"4", "룸2", ""}};
        gSchHour = {10, 22};
        gPersonType = "1";
        gRequireTime = 90;
    }
    TempProgramDir dir;
    StandinFixture backend;
};

Setup& setup()
{
    static auto instance = std::make_unique<Setup>();
    return *instance;
}

double openMs()
{
    setup();
    frmB예약_등록B& w = Form<frmB예약_등록B>();
    w.m_FirstActivated = true;
    w.m_ModeA = 1;
    w.m_BkNumT = kReservation;
    w.m_CustPhoneT = kPhone;
    w.m_예약일시.clear();
    w.m_좌석.clear();
    QElapsedTimer timer;
    timer.start();
    w.show();
    ActivateForm(w);
    const double ms = elapsedMs(timer);
    w.hide();
    return ms;
}

double floorMs()
{
    setup();
    QElapsedTimer timer;
    timer.start();
    BackendRequest("회원검색A() ... ", "/program/SearchMember1.php").add("textz", kPhone).send();
    BackendRequest("회원정보AB_NumT(1) ... ", "/program/SearchMember1Detail2.php").add("numt", kMember).send();
    BackendRequest("회원정보AB_NumT(2) ... ", "/vbPHP/MemberCarLoad.php").add("numt", kMember).send();
    BackendRequest("예약이력A() ... ", "/program/SearchZZimLoading.php").add("numt", kMember).send();
    BackendRequest("Load_예약데이터() ... ", "/Admin/zzimstateload.php").add("zzimnum", kReservation).send();
    return elapsedMs(timer);
}

} // namespace

BENCHMARK(Timed<openMs>)->Name("EntryOpenEdit/300")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<floorMs>)->Name("FiveRequestsFloor/300")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double open = median(openMs, 5);
    const double floor = median(floorMs, 5);
    std::printf("entry window opening %.1f ms, five requests floor %.1f ms, ratio %.2f\n", open, floor, open / floor);
    return 0;
}
