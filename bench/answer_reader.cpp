// Reading a large list answer: the record reader against one plain scan of the same text.
//   build/bench/bench_answer_reader
#include "core/answer_grammar.h"

#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>

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

void describe(benchmark::State& state, const QString& text)
{
    state.counters["MB"] = static_cast<double>(text.toUtf8().size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// One plain pass over every character of the text, counting the field brackets.
void BM_PlainScan(benchmark::State& state)
{
    const QString text = listAnswer("<menubrrs>");
    for (auto _ : state) {
        qsizetype brackets = 0;
        for (const QChar c : text)
            brackets += c == u'[';
        benchmark::DoNotOptimize(brackets);
    }
    describe(state, text);
}

template <AnswerRecords (*Reader)(const QString&, const QString&)>
void readAll(benchmark::State& state, const QString& text, const QString& marker)
{
    QStringList opens;
    QStringList closes;
    for (const QString& name : fieldNames()) {
        opens << name + "[";
        closes << "]" + name;
    }
    for (auto _ : state) {
        qsizetype chars = 0;
        for (const AnswerRecord& record : Reader(text, marker)) {
            for (qsizetype f = 0; f < opens.size(); ++f)
                chars += record.field(opens[f], closes[f]).size();
        }
        benchmark::DoNotOptimize(chars);
    }
    describe(state, text);
}

void BM_RecordReaderSeparated(benchmark::State& state)
{
    readAll<&AnswerRecords::Separated>(state, listAnswer("<menubrrs>"), "<menubrrs>");
}

void BM_RecordReaderFirstField(benchmark::State& state)
{
    readAll<&AnswerRecords::FirstField>(state, listAnswer(QString()), "rs_num[");
}

void BM_RecordReaderParallel(benchmark::State& state)
{
    readAll<&AnswerRecords::Parallel>(state, listAnswer(QString()), "rs_num[");
}

} // namespace

BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordReaderSeparated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordReaderFirstField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordReaderParallel)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
