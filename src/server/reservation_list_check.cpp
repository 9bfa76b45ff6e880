#include "server/reservation_list_check.h"

#include "server/reservation_list_record.h"

#include <QSet>

namespace {

const QString kSeparator = QStringLiteral("<menubrrs>");

QString transportRefusal(const QString& answer, HttpOutcome outcome)
{
    if (outcome == HttpOutcome::TimedOut)
        return QStringLiteral("시간 초과");
    if (outcome == HttpOutcome::Failed)
        return answer.isEmpty() ? QStringLiteral("응답 없음") : QStringLiteral("응답이 중간에 끊김");
    if (answer.isEmpty())
        return QStringLiteral("빈 응답");
    return QString();
}

// The list's own count of its records, from the head; no value when the head carries none.
std::optional<QStringView> headCount(const QString& answer)
{
    const QStringView head = QStringView(answer).left(answer.indexOf(kSeparator));
    const qsizetype open = head.indexOf(u"allcount[");
    if (open < 0)
        return std::nullopt;
    const qsizetype start = open + 9;
    const qsizetype close = head.indexOf(u"]allcount", start);
    if (close < 0)
        return std::nullopt;
    return head.sliced(start, close - start);
}

// The first reservation number that a record repeats, or empty text when none does. Records
// without a number are not counted: the rebuild drops them.
QString repeatedNumber(const AnswerRecords& records)
{
    QSet<QStringView> seen;
    seen.reserve(records.count());
    for (const AnswerRecord& record : records) {
        const QStringView number = ReservationListReader::numberOf(record);
        if (number.isEmpty())
            continue;
        const qsizetype before = seen.size();
        seen.insert(number);
        if (seen.size() == before)
            return number.toString();
    }
    return QString();
}

} // namespace

QString ListRefusal(const QString& answer, const AnswerRecords& records, HttpOutcome outcome)
{
    const QString transport = transportRefusal(answer, outcome);
    if (!transport.isEmpty())
        return transport;
    const auto count = headCount(answer);
    if (!count)
        return QStringLiteral("예약 목록이 아닌 응답");
    if (answer.contains(QChar::ReplacementCharacter))
        return QStringLiteral("UTF-8이 아닌 바이트가 있음");
    bool readable = false;
    if (count->toLongLong(&readable) != records.count() || !readable)
        return "예약 수가 allcount와 다름: allcount " + count->toString() + ", 예약 " + QString::number(records.count());
    const QString repeated = repeatedNumber(records);
    if (!repeated.isEmpty())
        return "예약 번호가 두 번 나옴: " + repeated;
    return QString();
}
