// The answer grammar, the three kinds of record lists and the check of a list answer over any
// answer text.
#include "fuzz_input.h"

#include "core/answer_grammar.h"
#include "core/list_answer_check.h"
#include "core/text_escapes.h"

#include <cstdlib>

namespace {

void readRecords(const AnswerRecords& records, const QString& name)
{
    for (const AnswerRecord& record : records) {
        record.field(name + "[", "]" + name);
        record.get("<" + name + ">", "</" + name + ">");
        record.has(QStringLiteral("phone["), QStringLiteral("]phone"));
        record.text();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString text = UTF8ToString(FuzzBytes(data, size));
    const QString name = TakeName(text);
    const QString open = name + "[";
    const QString close = "]" + name;
    for (int occurrence = 1; occurrence <= 3; ++occurrence)
        GetField(text, open, close, occurrence);
    const QStringList pieces = SplitRecords(text, QStringLiteral("<menubrrs>"));
    if (GetItemCount(text, QStringLiteral("<menubrrs>")).toInt() != pieces.size())
        std::abort();
    IsSuccessAnswer(text);

    const AnswerRecords separated = AnswerRecords::Separated(text, QStringLiteral("<menubrrs>"));
    if (separated.count() != pieces.size())
        std::abort();
    readRecords(separated, name);
    readRecords(AnswerRecords::FirstField(text, open), name);
    readRecords(AnswerRecords::Parallel(text, open), name);

    // A whole answer is judged by its text alone, and only an empty one is empty.
    const ListFault fault = ListFaultOf(text, HttpOutcome::Complete);
    if ((fault == ListFault::Empty) != text.isEmpty() || fault == ListFault::TimedOut || fault == ListFault::NoAnswer
        || fault == ListFault::CutInTransfer)
        std::abort();
    return 0;
}
