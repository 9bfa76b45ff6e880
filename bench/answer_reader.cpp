// Reading a large list answer: the record reader of each kind against one plain scan of the same
// text. Prints each kind's time beside its floor and the ratio, which is to stay within 3.
//   build/bench/bench_answer_reader
#include "manual_timing.h"
#include "core/answer_grammar.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kRecords = 20000;

const QStringList& fieldNames()
{
    static const QStringList names = {"rs_num", "rs_name", "rs_phone", "rs_date", "rs_time",
                                      "rs_table", "rs_state", "rs_memo", "rs_count", "rs_group"};
    return names;
}

// About 5 MB of UTF-8: 20,000 records of ten fields, each record about 250 bytes.
QString listAnswer(const QString& separator)
{
    QString text = "totalrow[" + QString::number(kRecords) + "]totalrow";
    for (int k = 0; k < kRecords; ++k) {
        text += separator;
        for (const QString& name : fieldNames())
            text += name + "[" + QString::number(k) + "님]" + name + " ";
    }
    return text;
}

const QString& separatedAnswer()
{
    static const QString text = listAnswer("<menubrrs>");
    return text;
}

// The same records without separators, for the kinds that find records by their first field.
const QString& unseparatedAnswer()
{
    static const QString text = listAnswer(QString());
    return text;
}

// One plain pass over every character of the text, counting the field brackets.
qsizetype plainScan(const QString& text)
{
    qsizetype brackets = 0;
    for (const QChar c : text)
        brackets += c == u'[';
    return brackets;
}

// Every field of every record, the lengths of the values summed.
qsizetype readAll(const AnswerRecords& records)
{
    static const auto markers = [] {
        QList<std::pair<QString, QString>> list;
        for (const QString& name : fieldNames())
            list.append({name + "[", "]" + name});
        return list;
    }();
    qsizetype chars = 0;
    for (const AnswerRecord& record : records) {
        for (const auto& [open, close] : markers)
            chars += record.view(open, close).size();
    }
    return chars;
}

qsizetype scanSeparated() { return plainScan(separatedAnswer()); }
qsizetype scanUnseparated() { return plainScan(unseparatedAnswer()); }
qsizetype readSeparated() { return readAll(AnswerRecords::Separated(separatedAnswer(), "<menubrrs>")); }
qsizetype readFirstField() { return readAll(AnswerRecords::FirstField(unseparatedAnswer(), "rs_num[")); }
qsizetype readParallel() { return readAll(AnswerRecords::Parallel(unseparatedAnswer(), "rs_num[")); }

template <qsizetype (*Pass)()>
void Run(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Pass());
    state.SetItemsProcessed(state.iterations() * kRecords);
}

template <qsizetype (*Pass)()>
double passMs()
{
    QElapsedTimer timer;
    timer.start();
    benchmark::DoNotOptimize(Pass());
    return elapsedMs(timer);
}

} // namespace

BENCHMARK(Run<scanSeparated>)->Name("PlainScan")->Unit(benchmark::kMillisecond);
BENCHMARK(Run<readSeparated>)->Name("RecordReaderSeparated")->Unit(benchmark::kMillisecond);
BENCHMARK(Run<scanUnseparated>)->Name("PlainScanUnseparated")->Unit(benchmark::kMillisecond);
BENCHMARK(Run<readFirstField>)->Name("RecordReaderFirstField")->Unit(benchmark::kMillisecond);
BENCHMARK(Run<readParallel>)->Name("RecordReaderParallel")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    constexpr int kRuns = 21;
    const double separatedFloor = median(passMs<scanSeparated>, kRuns);
    const double unseparatedFloor = median(passMs<scanUnseparated>, kRuns);
    const struct {
        const char* kind;
        double ms;
        double floor;
    } kinds[] = {
        {"Separated", median(passMs<readSeparated>, kRuns), separatedFloor},
        {"FirstField", median(passMs<readFirstField>, kRuns), unseparatedFloor},
        {"Parallel", median(passMs<readParallel>, kRuns), unseparatedFloor},
    };
    for (const auto& k : kinds)
        std::printf("%s %.2f ms, plain scan %.2f ms, ratio %.2f\n", k.kind, k.ms, k.floor, k.ms / k.floor);
    return 0;
}
