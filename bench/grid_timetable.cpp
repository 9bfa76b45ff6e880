// What a user waits for on the grid control: the day timetable (100 tables by 80 ten-minute
// columns with two header rows, the hour lines, and 500 bookings as spans with their notes and
// outlines, filled with repainting off and then painted once; a user's redraw should stay well
// under 50 ms), and a long list filled a row at a time.
//   build/bench/bench_grid_timetable
#include "core/grid_helpers.h"
#include "platform/spread_grid.h"
#include "platform/twips.h"

#include "timetable_frame.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100;
constexpr int kCols = 80;
constexpr int kBookingsPerRow = 5;

void BuildTimetable(SpreadGrid& grid)
{
    FillTimetableFrame(grid, kCols, kRows, "03", "A");
    for (int r = 1; r <= kRows; ++r) {
        for (int b = 0; b < kBookingsPerRow; ++b) {
            const int s = 2 + b * 15, e = s + 12;
            grid.SetRow(r);
            for (int c = s; c < e; ++c) {
                grid.SetCol(c);
                grid.SetCellNote("\r\n　10:00\r\n　홍길동\r\n\r\n　010-1234-5678\r\n　A1\r\n　4\r\n\r\n   [123]\r\n");
            }
            grid.SetCol(s);
            grid.SetText(QString("홍길동%1").arg(b));
            grid.SetFontSize(11);
            grid.SetFontBold(true);
            grid.SetBackColor(VbRGB(255, 200 - b * 20, 100 + b * 20));
            grid.AddCellSpan(s, r, e - s, 1);
            grid.SetCellBorder(s, r, e - 1, r, 16, VbRGB(68, 114, 196), 1);
            grid.SetCellBorder(e, r, e, r, 1, VbRGB(68, 114, 196), 1);
            grid.SetCellBorder(s, r + 1, e - 1, r + 1, 4, VbRGB(68, 114, 196), 1);
        }
    }
    grid.SetColWidth(-1, PixelsToTwips(11));
    grid.SetColWidth(1, PixelsToTwips(100));
    grid.SetRowHeight(-1, PixelsToTwips(26));
    grid.SetRowHeight(-1000, PixelsToTwips(20));
    grid.SetRowHeight(-999, PixelsToTwips(20));
    grid.SetReDraw(true);
}

void Paint(SpreadGrid& grid, QImage& image)
{
    grid.render(&image);
}

// Filling the grid as the timetable build does, then one paint.
void BM_TimetableFillAndPaint(benchmark::State& state)
{
    SpreadGrid grid;
    grid.resize(1000, 600);
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        BuildTimetable(grid);
        Paint(grid, image);
    }
}

// One paint of the filled timetable: what every redraw costs.
void BM_TimetablePaint(benchmark::State& state)
{
    SpreadGrid grid;
    grid.resize(1000, 600);
    BuildTimetable(grid);
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        Paint(grid, image);
}

// A long list (the statistics window's 3,500 customers, 13 columns) filled a row at a time by
// raising MaxRows, with repainting left on, then painted: linear in the rows.
void BM_ListFillAndPaint(benchmark::State& state)
{
    SpreadGrid grid;
    grid.resize(1000, 600);
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.SetMaxRows(0);
        grid.SetMaxCols(13);
        for (int c = 1; c <= 13; ++c)
            SpreadSetCellType(&grid, c, 4, "");
        for (int r = 1; r <= 3500; ++r) {
            grid.SetMaxRows(r);
            grid.SetRow(r);
            for (int c = 1; c <= 13; ++c) {
                grid.SetText(c, r, QString("고객%1").arg(r));
                grid.SetCol(c);
                grid.SetForeColor(VbRGB(0, 0, 255));
            }
        }
        QCoreApplication::processEvents();
        Paint(grid, image);
    }
}

} // namespace

BENCHMARK(BM_ListFillAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimetableFillAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimetablePaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
