// What a user waits for when the board's booking list is searched, the HTTP transfer left out:
// reading a 2,000-record answer and filling the list grid, beside its floor, the same answer split
// into records (AnswerRecords::Separated) and the grid filled with the same 2,000 × 15 texts and
// row looks (repainting off) and sorted once. Prints both times and the ratio, which is to stay
// within 2.
//   build/bench/bench_board_booking_list
#include "manual_timing.h"
#include "board/booking_list.h"
#include "core/answer_grammar.h"
#include "platform/spread_grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int kRecords = 2000;

QString makeAnswer()
{
    static const char* states[] = {"Y", "S", "X", "noshow", "finish", "N"};
    QString text = "allcount[2000]allcount scount[300]scount ycount[900]ycount ncount[100]ncount "
                   "editcount[0]editcount xcount[300]xcount fcount[400]fcount ";
    for (int i = 0; i < kRecords; ++i) {
        text += QString("<menubrrs> num[%1]num  regdatess[2024-%2-%3]regdatess  regdatess3[%4:30]regdatess3 "
                        " requestname[손님%1]requestname  requestoz[%EB%8F%99%EC%B0%BD%ED%9A%8C]requestoz "
                        " phone[010-%5-5678]phone  table[A%6;2;B%6;3]table  memo[창가 자리]memo "
                        " menu[점심 특선]menu  zzim_APP[웹주문]zzim_APP  zzim_managername[김민준]zzim_managername "
                        " YN[%7]YN  personcount[<persontype>1</persontype><sexmale>2</sexmale><sexfemale>3</sexfemale>]personcount ")
                    .arg(100000 + i)
                    .arg(1 + i % 12, 2, 10, QChar('0'))
                    .arg(1 + i % 28, 2, 10, QChar('0'))
                    .arg(10 + i % 12)
                    .arg(1000 + i % 9000)
                    .arg(i % 40)
                    .arg(states[i % 6]);
    }
    return text;
}

const QString& answer()
{
    static const QString text = makeAnswer();
    return text;
}

// The texts and looks the floor fills, made once from the reader's own result.
const BookingList& rowsBeforehand()
{
    static const BookingList list = ReadBookingList(answer(), false, QString());
    return list;
}

double timedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double readAndFillMs()
{
    SpreadGrid grid;
    grid.SetMaxCols(15);
    return timedMs([&] { FillBookingList(grid, ReadBookingList(answer(), false, QString()), 15); });
}

double floorMs()
{
    SpreadGrid grid;
    grid.SetMaxCols(15);
    const BookingList& list = rowsBeforehand();
    return timedMs([&] {
        const AnswerRecords records = AnswerRecords::Separated(answer(), "<menubrrs>");
        benchmark::DoNotOptimize(records.count());
        grid.SetReDraw(false);
        grid.SetMaxRows(int(list.rows.size()));
        for (int r = 1; r <= list.rows.size(); ++r) {
            for (int c = 1; c <= 15; ++c)
                grid.SetText(c, r, list.rows[r - 1].cells[c]);
            grid.SetRow(r);
            grid.SetCol(-1);
            grid.SetForeColor(list.rows[r - 1].look == BookingListRow::NoShow ? VbRGB(255, 0, 255) : VbRGB(0, 0, 0));
            grid.SetFontItalic(list.rows[r - 1].look == BookingListRow::NoShow);
            grid.SetRowHeight(r, 35 * 15);
        }
        grid.SetSortKey(1, 2);
        grid.SetSortKeyOrder(1, 1);
        grid.SortRows(-1, -1, -1, -1, 0);
        grid.SetReDraw(true);
    });
}

} // namespace

BENCHMARK(Timed<readAndFillMs>)->Name("BookingList/2000")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Timed<floorMs>)->Name("BookingListFloor/2000")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double list = median(readAndFillMs, 7);
    const double floor = median(floorMs, 7);
    std::printf("booking list %.1f ms, floor %.1f ms, ratio %.2f\n", list, floor, list / floor);
    return 0;
}
