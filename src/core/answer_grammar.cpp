#include "core/answer_grammar.h"

#include <QHash>
#include <QList>
#include <QStringView>

namespace {

// Where each occurrence of the marker starts, left to right, occurrences not overlapping.
QList<qsizetype> occurrences(QStringView text, QStringView marker)
{
    QList<qsizetype> found;
    if (marker.isEmpty())
        return found;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + marker.size()))
        found.append(at);
    return found;
}

// The value of the piece that follows an opening marker: up to the first closing marker.
QStringView cutAtClose(QStringView piece, QStringView close)
{
    if (close.isEmpty())
        return piece;
    const qsizetype at = piece.indexOf(close);
    return at < 0 ? piece : piece.left(at);
}

std::optional<QStringView> fieldIn(QStringView text, QStringView open, QStringView close, int occurrence)
{
    if (open.isEmpty() || occurrence < 1)
        return std::nullopt;
    qsizetype at = text.indexOf(open);
    for (int k = 1; k < occurrence && at >= 0; ++k)
        at = text.indexOf(open, at + open.size());
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + open.size();
    const qsizetype next = text.indexOf(open, start);
    const qsizetype end = next < 0 ? text.size() : next;
    return cutAtClose(text.mid(start, end - start), close);
}

using Span = std::pair<qsizetype, qsizetype>;   // start and length

// The pieces between the given starts, each running to the next start or the end.
QList<Span> spansFrom(const QList<qsizetype>& starts, qsizetype skip, qsizetype textSize)
{
    QList<Span> spans;
    spans.reserve(starts.size());
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype start = starts[k] + skip;
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : textSize;
        spans.append({start, end - start});
    }
    return spans;
}

} // namespace

struct AnswerRecordsData {
    QString text;
    bool parallel = false;
    QList<Span> spans;                  // separated and first-field kinds
    qsizetype parallelCount = 0;
    // Parallel kind: every value of a field in order, from one scan per field.
    QHash<QString, QList<QStringView>> columns;

    qsizetype count() const { return parallel ? parallelCount : spans.size(); }

    QStringView record(qsizetype index) const
    {
        return QStringView(text).mid(spans[index].first, spans[index].second);
    }

    const QList<QStringView>& column(const QString& open, const QString& close)
    {
        const QString key = open + QChar(0) + close;
        auto it = columns.find(key);
        if (it != columns.end())
            return *it;
        const QList<qsizetype> starts = occurrences(text, open);
        QList<QStringView> values;
        values.reserve(starts.size());
        for (const Span& piece : spansFrom(starts, open.size(), text.size()))
            values.append(cutAtClose(QStringView(text).mid(piece.first, piece.second), close));
        return *columns.insert(key, values);
    }
};

std::optional<QString> GetField(const QString& text, const QString& open, const QString& close, int occurrence)
{
    const auto value = fieldIn(text, open, close, occurrence);
    if (!value)
        return std::nullopt;
    return value->toString();
}

QStringList SplitRecords(const QString& text, const QString& separator)
{
    QStringList records;
    for (const Span& piece : spansFrom(occurrences(text, separator), separator.size(), text.size()))
        records.append(text.mid(piece.first, piece.second));
    return records;
}

QString GetItemCount(const QString& text, const QString& marker)
{
    return QString::number(occurrences(text, marker).size());
}

bool IsSuccessAnswer(const QString& answer)
{
    return answer.contains(QStringLiteral("성공"));
}

std::optional<QString> AnswerRecord::get(const QString& open, const QString& close) const
{
    if (m_index < 0 || m_index >= m_data->count())
        return std::nullopt;
    if (!m_data->parallel) {
        const auto value = fieldIn(m_data->record(m_index), open, close, 1);
        return value ? std::optional<QString>(value->toString()) : std::nullopt;
    }
    const QList<QStringView>& values = m_data->column(open, close);
    if (m_index >= values.size())
        return std::nullopt;
    return values[m_index].toString();
}

QString AnswerRecord::field(const QString& open, const QString& close) const
{
    return get(open, close).value_or(QString());
}

bool AnswerRecord::has(const QString& open, const QString& close) const
{
    return get(open, close).has_value();
}

QString AnswerRecord::text() const
{
    if (m_data->parallel || m_index < 0 || m_index >= m_data->spans.size())
        return QString();
    return m_data->record(m_index).toString();
}

AnswerRecords AnswerRecords::Separated(const QString& text, const QString& separator)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->spans = spansFrom(occurrences(text, separator), separator.size(), text.size());
    return AnswerRecords(data);
}

AnswerRecords AnswerRecords::FirstField(const QString& text, const QString& firstOpen)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->spans = spansFrom(occurrences(text, firstOpen), 0, text.size());
    return AnswerRecords(data);
}

AnswerRecords AnswerRecords::Parallel(const QString& text, const QString& firstOpen)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->parallel = true;
    data->parallelCount = occurrences(text, firstOpen).size();
    return AnswerRecords(data);
}

qsizetype AnswerRecords::count() const
{
    return m_data->count();
}
