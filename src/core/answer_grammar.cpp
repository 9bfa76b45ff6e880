#include "core/answer_grammar.h"

#include <QList>
#include <QStringView>

#include <algorithm>

namespace {

// The first place at or after `from` where the marker stands, or -1. The search runs on one
// character of the marker, a bracket where it has one: brackets are rare in answers, so most of
// the text is passed over by the fast single-character search.
qsizetype find(QStringView text, QStringView marker, qsizetype from = 0)
{
    qsizetype anchor = 0;
    for (qsizetype i = 0; i < marker.size(); ++i) {
        const char16_t c = marker[i].unicode();
        if (c == u'[' || c == u']' || c == u'<' || c == u'>') {
            anchor = i;
            break;
        }
    }
    const QChar anchorChar = marker[anchor];
    for (qsizetype at = text.indexOf(anchorChar, from + anchor); at >= 0; at = text.indexOf(anchorChar, at + 1)) {
        const qsizetype start = at - anchor;
        if (start + marker.size() > text.size())
            return -1;
        if (std::equal(marker.begin(), marker.end(), text.begin() + start))
            return start;
    }
    return -1;
}

// Where each occurrence of the marker starts, left to right, occurrences not overlapping.
QList<qsizetype> occurrences(QStringView text, QStringView marker)
{
    QList<qsizetype> found;
    if (marker.isEmpty())
        return found;
    for (qsizetype at = find(text, marker); at >= 0; at = find(text, marker, at + marker.size()))
        found.append(at);
    return found;
}

// The value of the piece that follows an opening marker: up to the first closing marker.
QStringView cutAtClose(QStringView piece, QStringView close)
{
    if (close.isEmpty())
        return piece;
    const qsizetype at = find(piece, close);
    return at < 0 ? piece : piece.left(at);
}

// The value that starts right after an opening marker: up to the first closing marker, or up to
// the next opening marker when that comes before the closing marker has ended. Only the value and
// its closing marker are searched, not the rest of the text.
QStringView valueFrom(QStringView rest, QStringView open, QStringView close)
{
    const qsizetype closeAt = close.isEmpty() ? -1 : find(rest, close);
    if (closeAt < 0) {
        const qsizetype next = find(rest, open);
        return next < 0 ? rest : rest.left(next);
    }
    const qsizetype closeEnd = closeAt + close.size();
    const qsizetype next = find(rest.left(closeEnd + open.size() - 1), open);
    return next >= 0 && next < closeEnd ? rest.left(next) : rest.left(closeAt);
}

std::optional<QStringView> fieldIn(QStringView text, QStringView open, QStringView close, int occurrence)
{
    if (open.isEmpty() || occurrence < 1)
        return std::nullopt;
    qsizetype at = find(text, open);
    for (int k = 1; k < occurrence && at >= 0; ++k)
        at = find(text, open, at + open.size());
    if (at < 0)
        return std::nullopt;
    return valueFrom(text.mid(at + open.size()), open, close);
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
    struct Column {
        QString open;
        QString close;
        QList<QStringView> values;
    };
    QList<Column> columns;

    qsizetype count() const { return parallel ? parallelCount : spans.size(); }

    QStringView record(qsizetype index) const
    {
        return QStringView(text).mid(spans[index].first, spans[index].second);
    }

    const QList<QStringView>& column(const QString& open, const QString& close)
    {
        for (const Column& known : columns) {
            if (known.open == open && known.close == close)
                return known.values;
        }
        const QList<qsizetype> starts = occurrences(text, open);
        QList<QStringView> values;
        values.reserve(starts.size());
        for (const Span& piece : spansFrom(starts, open.size(), text.size()))
            values.append(cutAtClose(QStringView(text).mid(piece.first, piece.second), close));
        columns.append({open, close, values});
        return columns.last().values;
    }
};

std::optional<QString> GetField(const QString& text, const QString& open, const QString& close, int occurrence)
{
    const auto value = fieldIn(text, open, close, occurrence);
    if (!value)
        return std::nullopt;
    return value->toString();
}

QStringList GetFieldValues(const QString& text, const QString& open, const QString& close)
{
    QStringList values;
    for (const Span& piece : spansFrom(occurrences(text, open), open.size(), text.size()))
        values.append(cutAtClose(QStringView(text).mid(piece.first, piece.second), close).toString());
    return values;
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
