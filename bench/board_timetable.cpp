// What a user waits for on the reservation board: the day timetable of a busy day (40 tables,
// hours 9 to 22, 300 bookings that day in a cache of 10,000 rows, fitted scale) beside its floor,
// the same cells filled with the grid's own operations from values computed beforehand (no cache
// read); and the month calendar beside the month's grouped query alone. Prints the times and the
// ratios; the timetable is to stay within 2 times its floor.
//   build/bench/bench_board_timetable
#include "manual_timing.h"
#include "board/board_globals.h"
#include "board/board_window.h"
#include "board/booking_texts.h"
#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "server/server_globals.h"
#include "support/program_dir.h"
#include "support/template_databases.h"

#include "timetable_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <cstdio>

namespace {

constexpr int kTables = 40;
constexpr int kRows = 10000;
constexpr int kDayBookings = 300;
const QString kDay = QStringLiteral("2024-05-07");

struct Placed {
    int row, s, e;
    QString name, note;
    quint32 colour;
};

struct Setup {
    Setup()
    {
        CopyTemplate(dir, "VmrBooking.0.mdb", "VmrBooking.mdb");
        gSkinPath = dir.file("skin");
        gIniFrshop.setFileName(dir.file("Frshop.cfg"));
        gMDIClientW = 1022 * 15;
        gMDIClientH = 654 * 15;
        gSchHour = {9, 22};
        gRequireTime = 60;
        gSchScaleKind = 1;
        for (int t = 1; t <= kTables; ++t)
            gSeat.append({QString::number(t), QString("T%1").arg(t), QString()});
        gSeatCount = kTables;
        fillCache();
        board = &Form<frmB예약관리>();
        board->currDate = QDate::fromString(kDay, "yyyy-MM-dd");
        board->sprCAL->SetTag(kDay);
        board->날짜라벨_표시(kDay);
        placeBeforehand();
    }

    void fillCache() const
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
        db.setDatabaseName(dir.file("VmrBooking.mdb"));
        db.open();
        db.transaction();
        QSqlQuery query(db);
        query.prepare("INSERT INTO 예약 (NUM, 방문일, cPhoneT, 예약일시, 종료일시, 예약자, 모임명, 좌석, 인원, 인원N, 요청사항)"
                      " VALUES (?, ?, '01012345678', ?, '', ?, '', ?, 'T;4', 4, '창가')");
        const QDate first(2024, 5, 1);
        for (int i = 0; i < kRows; ++i) {
            const bool today = i < kDayBookings;
            QString day = today ? kDay : first.addDays(i % 60 - 20).toString("yyyy-MM-dd");
            if (!today && day == kDay)
                day = first.addDays(-30).toString("yyyy-MM-dd");
            const QTime start = QTime(9, 0).addSecs(600 * ((i * 7) % 72));
            query.addBindValue(i + 1);
            query.addBindValue(day);
            query.addBindValue(day + " " + start.toString("HH:mm"));
            query.addBindValue(QString("손님%1").arg(i));
            query.addBindValue(QString("T%1;4").arg(i % kTables + 1));
            query.exec();
        }
        db.commit();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("fill");
    }

    // The day's bookings as the timetable places them, read once outside the timing.
    void placeBeforehand()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "read");
        db.setDatabaseName(dir.file("VmrBooking.mdb"));
        db.open();
        QSqlQuery query(db);
        query.prepare("SELECT 예약일시, 예약자, 좌석, 인원, NUM FROM 예약 WHERE 방문일 = ? ORDER BY 예약일시");
        query.addBindValue(kDay);
        query.exec();
        int b = 0;
        while (query.next()) {
            const QString start = query.value(0).toString().mid(11, 5);
            const int s = board->GetScheduleColumn(start, 0);
            const int e = qMin(board->GetScheduleColumn(frmB예약관리::GetTimeAdd(start, 60), 1), 80);
            const QString seats = query.value(2).toString();
            const QString note = BookingNote({start, query.value(1).toString(), QString(), "01012345678",
                                              BookingTablesText(seats), BookingPartyText(query.value(3).toString()),
                                              "창가", query.value(4).toInt()});
            placed.append({seats.section(';', 0, 0).mid(1).toInt(), s, e, query.value(1).toString(), note,
                           board->mBookColor[b++ % 15]});
        }
        query = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("read");
    }

    TempProgramDir dir;
    frmB예약관리* board = nullptr;
    QList<Placed> placed;
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

void fillFloor(SpreadGrid& grid, const QList<Placed>& placed)
{
    const int cols = 79;
    FillTimetableFrame(grid, cols, kTables, "07", "T");
    for (const Placed& p : placed) {
        int c0 = 0, r0 = 0, n = 0, m = 0;
        if (grid.GetCellSpan(p.s, p.row, &c0, &r0, &n, &m)) {
            grid.RemoveCellSpan(c0, r0);
            if (p.s > c0)
                grid.AddCellSpan(c0, r0, p.s - c0, 1);
        }
        grid.SetRow(p.row);
        for (int c = p.s; c < p.e; ++c) {
            grid.SetCol(c);
            grid.SetCellNote(p.note);
        }
        grid.SetCol(p.s);
        grid.SetText(p.name);
        grid.SetBackColor(OleColor(p.colour));
        grid.AddCellSpan(p.s, p.row, p.e - p.s, 1);
        grid.SetCellBorder(p.s, p.row, p.e - 1, p.row, 16, VbRGB(68, 114, 196), 1);
        grid.SetCellBorder(p.e, p.row, p.e, p.row, 1, VbRGB(68, 114, 196), 1);
        grid.SetCellBorder(p.s, p.row + 1, p.e - 1, p.row + 1, 4, VbRGB(68, 114, 196), 1);
    }
    grid.SetColWidth(-1, 6 * 15);
    grid.SetColWidth(1, 81 * 15);
    grid.SetRowHeight(-1, 26 * 15);
    grid.SetReDraw(true);
}

double timedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double drawSheduleMs()
{
    return timedMs([] { setup().board->DrawShedule(); });
}

double timetableFloorMs()
{
    SpreadGrid grid;
    grid.resize(663, 600);
    return timedMs([&] { fillFloor(grid, setup().placed); });
}

double calcDrawMs()
{
    return timedMs([] { setup().board->CalcDraw(QDate(2024, 5, 7)); });
}

double monthQueryMs()
{
    return timedMs([] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "month");
            db.setDatabaseName(setup().dir.file("VmrBooking.mdb"));
            db.open();
            QSqlQuery query(db);
            query.prepare("SELECT 방문일, Count(방문일) AS CNT, Sum(인원N) AS Person FROM 예약"
                          " WHERE 방문일 BETWEEN ? AND ? GROUP BY 방문일");
            query.addBindValue("2024-05-01");
            query.addBindValue("2024-05-31");
            query.exec();
            while (query.next())
                benchmark::DoNotOptimize(query.value(1).toInt());
        }
        QSqlDatabase::removeDatabase("month");
    });
}

} // namespace

BENCHMARK(Timed<drawSheduleMs>)->Name("DrawShedule/300of10000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<timetableFloorMs>)->Name("TimetableFloor/300")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<calcDrawMs>)->Name("CalcDraw/month")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<monthQueryMs>)->Name("MonthQueryFloor")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double draw = median(drawSheduleMs, 7);
    const double floor = median(timetableFloorMs, 7);
    const double month = median(calcDrawMs, 7);
    const double query = median(monthQueryMs, 7);
    std::printf("DrawShedule %.1f ms, floor %.1f ms, ratio %.2f\n", draw, floor, draw / floor);
    std::printf("CalcDraw %.1f ms, month query %.1f ms, ratio %.2f\n", month, query, month / query);
    return 0;
}
