#include "server/reservation_list_check.h"

#include "core/list_answer_check.h"

QString ListRefusal(const QString& answer, HttpOutcome outcome)
{
    switch (ListFaultOf(answer, outcome)) {
    case ListFault::None:
        return QString();
    case ListFault::TimedOut:
        return QStringLiteral("시간 초과");
    case ListFault::NoAnswer:
        return QStringLiteral("응답 없음");
    case ListFault::CutInTransfer:
        return QStringLiteral("응답이 중간에 끊김");
    case ListFault::Empty:
        return QStringLiteral("빈 응답");
    case ListFault::NotAList:
        return QStringLiteral("예약 목록이 아닌 응답");
    case ListFault::CutInField:
        return QStringLiteral("마지막 예약이 필드 중간에서 끊김");
    }
    return QString();
}

namespace {

// The list's own count of its records, from the head; no value when the head carries none.
std::optional<QStringView> headCount(const QString& answer)
{
    const QStringView head = QStringView(answer).left(answer.indexOf(u"<menubrrs>"));
    const qsizetype open = head.indexOf(u"allcount[");
    if (open < 0)
        return std::nullopt;
    const qsizetype start = open + 9;
    const qsizetype close = head.indexOf(u"]allcount", start);
    if (close < 0)
        return std::nullopt;
    return head.sliced(start, close - start);
}

} // namespace

std::optional<QString> CountMismatch(const QString& answer, const AnswerRecords& records)
{
    const auto count = headCount(answer);
    if (!count)
        return std::nullopt;
    bool readable = false;
    if (count->toLongLong(&readable) == records.count() && readable)
        return std::nullopt;
    return "예약 수가 allcount와 다름: allcount " + count->toString() + ", 예약 " + QString::number(records.count());
}
