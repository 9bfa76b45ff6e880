#include "core/answer_grammar.h"

#include "core/char_positions.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// The four characters at `chars`, as one number.
quint64 fourChars(const char16_t* chars)
{
    quint64 value;
    std::memcpy(&value, chars, sizeof value);
    return value;
}

// Whether the n characters at a and b are the same, compared four at a time (the last four
// overlapping the ones before, so that every length takes the same steps).
bool sameChars(const char16_t* a, const char16_t* b, qsizetype n)
{
    if (n < 4)
        return std::equal(a, a + n, b);
    for (qsizetype i = 0; i + 4 < n; i += 4) {
        if (fourChars(a + i) != fourChars(b + i))
            return false;
    }
    return fourChars(a + n - 4) == fourChars(b + n - 4);
}

// The four characters that end at `at`, as one number (none before the text's fourth character).
quint64 endingAt(const char16_t* text, qsizetype at)
{
    quint64 ending = 0;
    if (at >= 3)
        std::memcpy(&ending, text + at - 3, sizeof ending);
    return ending;
}

// A marker and its anchor: its first bracket, or its first character when it has none. A search
// looks for the anchor character and compares the marker only where that stands; brackets are
// rare in answers, so few places are compared, and four characters of the marker around its
// anchor (its probe) are compared at once before the rest.
struct Marker {
    explicit Marker(QStringView marker) : text(marker)
    {
        const auto bracket = std::find_if(text.begin(), text.end(), [](QChar c) {
            return c == u'[' || c == u']' || c == u'<' || c == u'>';
        });
        anchor = bracket == text.end() ? 0 : bracket - text.begin();
        if (text.size() >= 4) {
            probeStart = std::clamp<qsizetype>(anchor - 3, 0, text.size() - 4);
            probe = fourChars(text.utf16() + probeStart);
        }
    }

    qsizetype size() const { return text.size(); }
    bool isEmpty() const { return text.isEmpty(); }
    char16_t anchorChar() const { return text[anchor].unicode(); }
    // Whether the probe is the four characters that end at the anchor ("name[" markers).
    bool probeEndsAtAnchor() const { return probeStart >= 0 && probeStart == anchor - 3; }
    // Whether the marker stands at `start`; the caller knows it fits in `in`. The probe and the
    // first, middle and last four characters settle a marker of up to twelve characters without
    // a call (most markers are that short, and this runs for every field of every record).
    bool standsAt(QStringView in, qsizetype start) const
    {
        const char16_t* at = in.utf16() + start;
        if (probeStart < 0)
            return std::equal(text.utf16(), text.utf16() + text.size(), at);
        const char16_t* own = text.utf16();
        const qsizetype last = text.size() - 4;
        if (fourChars(at + probeStart) != probe || fourChars(at) != fourChars(own)
            || fourChars(at + last) != fourChars(own + last))
            return false;
        if (last <= 4)
            return true;
        return last <= 8 ? fourChars(at + 4) == fourChars(own + 4) : sameChars(own, at, text.size());
    }

    QStringView text;
    qsizetype anchor = 0;
    qsizetype probeStart = -1;      // none for markers shorter than four characters
    quint64 probe = 0;
};

using Span = std::pair<qsizetype, qsizetype>;   // start and length
using Values = std::vector<QStringView>;

// The places of an anchor character in a stretch of text, in order, each with the four
// characters that end there. Linked, each place also leads to the next place whose ending falls
// in the same one of a few buckets: as many markers share an anchor character, a marker's
// occurrences are then visited without stepping over every other marker's between them.
struct Anchors {
    static constexpr std::size_t kBuckets = 64;
    std::vector<qsizetype> positions;
    std::vector<quint64> endings;
    std::vector<qsizetype> nextAlike;   // the number of places where none follows

    static std::size_t bucket(quint64 ending) { return (ending * 0x9E3779B97F4A7C15ull) >> 58; }

    void link()
    {
        const auto count = static_cast<qsizetype>(positions.size());
        nextAlike.resize(positions.size());
        std::array<qsizetype, kBuckets> following;
        following.fill(count);
        for (qsizetype i = count - 1; i >= 0; --i) {
            qsizetype& after = following[bucket(endings[i])];
            nextAlike[i] = after;
            after = i;
        }
    }

    void gather(QStringView text, Span stretch, char16_t c)
    {
        positions.clear();
        endings.clear();
        ForEachCharPosition(text.sliced(stretch.first, stretch.second), c, [&](qsizetype at) {
            positions.push_back(stretch.first + at);
            endings.push_back(endingAt(text.utf16(), stretch.first + at));
        });
    }
};

// The first place where the marker stands, looking from its anchor character at `at` on, or -1.
qsizetype findFromAnchor(QStringView text, const Marker& marker, qsizetype at)
{
    const char16_t c = marker.anchorChar();
    for (; at >= 0; at = FindCharFrom(text, c, at + 1)) {
        const qsizetype start = at - marker.anchor;
        if (start + marker.size() > text.size())
            return -1;
        if (marker.standsAt(text, start))
            return start;
    }
    return -1;
}

// The first place at or after `from` where the marker stands, or -1. Mostly the marker stands
// at the first anchor character (a closing marker right after its value).
inline qsizetype find(QStringView text, const Marker& marker, qsizetype from)
{
    const qsizetype at = FindCharFrom(text, marker.anchorChar(), from + marker.anchor);
    const qsizetype start = at - marker.anchor;
    if (at >= 0 && start + marker.size() <= text.size() && marker.standsAt(text, start))
        return start;
    return at < 0 ? -1 : findFromAnchor(text, marker, at);
}

// The same search where the places of the anchor character are known, from anchors number
// `first` on: the index of the first place where the marker stands, starting at or after `from`
// and ending by `end`, or -1.
qsizetype findAmong(QStringView text, const Marker& marker, const Anchors& anchors, qsizetype first,
                    qsizetype from, qsizetype end)
{
    const qsizetype lowest = from + marker.anchor;
    const qsizetype highest = end - marker.size() + marker.anchor;
    const auto count = static_cast<qsizetype>(anchors.positions.size());
    if (marker.probeEndsAtAnchor() && count > 0 && anchors.positions[count - 1] <= highest) {
        // Every anchor left is near enough: only the characters that end there tell them apart.
        for (qsizetype i = first; i < count; ++i) {
            if (anchors.endings[i] == marker.probe && anchors.positions[i] >= lowest
                && marker.standsAt(text, anchors.positions[i] - marker.anchor))
                return i;
        }
        return -1;
    }
    for (qsizetype i = first; i < count && anchors.positions[i] <= highest; ++i) {
        const qsizetype at = anchors.positions[i];
        if (at >= lowest && marker.standsAt(text, at - marker.anchor))
            return i;
    }
    return -1;
}

// Calls found(start) for each occurrence of the marker, left to right, occurrences not
// overlapping. `forEachAnchor(visit)` visits the places of the marker's anchor character in order.
template <typename ForEachAnchor, typename Found>
void forEachOccurrence(QStringView text, const Marker& marker, const ForEachAnchor& forEachAnchor, const Found& found)
{
    qsizetype from = 0;
    forEachAnchor([&](qsizetype at) {
        const qsizetype start = at - marker.anchor;
        if (start >= from && start + marker.size() <= text.size() && marker.standsAt(text, start)) {
            found(start);
            from = start + marker.size();
        }
    });
}

auto anchorsInText(QStringView text, const Marker& marker)
{
    return [text, c = marker.anchorChar()](const auto& visit) { ForEachCharPosition(text, c, visit); };
}

QList<qsizetype> occurrences(QStringView text, QStringView marker)
{
    const Marker sought(marker);
    QList<qsizetype> found;
    if (!sought.isEmpty())
        forEachOccurrence(text, sought, anchorsInText(text, sought), [&](qsizetype start) { found.append(start); });
    return found;
}

// The value of the segment that follows an opening marker: up to the first closing marker.
QStringView cutAtClose(QStringView text, Span segment, const Marker& close)
{
    const QStringView whole = text.sliced(segment.first, segment.second);
    if (close.isEmpty())
        return whole;
    const qsizetype at = find(text.first(segment.first + segment.second), close, segment.first);
    return at < 0 ? whole : whole.first(at - segment.first);
}

// The value after the opening marker that stands at `start`, within the text up to `end`: up to
// the first closing marker, or up to the next opening marker when that comes before the closing
// marker has ended. Only the value and its closing marker are searched, not the rest of the text.
// `findOpen(from, to)` finds the next opening marker that starts at or after `from` and ends by `to`.
template <typename FindOpen>
Span valueAfter(QStringView text, qsizetype start, qsizetype end, const Marker& open, const Marker& close,
                const FindOpen& findOpen)
{
    const qsizetype valueStart = start + open.size();
    const qsizetype closeAt = close.isEmpty() ? -1 : find(text.first(end), close, valueStart);
    if (closeAt < 0) {
        const qsizetype next = findOpen(valueStart, end);
        return {valueStart, (next < 0 ? end : next) - valueStart};
    }
    const qsizetype next = findOpen(valueStart, std::min(end, closeAt + close.size() + open.size() - 1));
    return {valueStart, (next < 0 ? closeAt : next) - valueStart};
}

std::optional<QStringView> fieldIn(QStringView text, QStringView open, QStringView close, int occurrence)
{
    const Marker opening(open);
    if (opening.isEmpty() || occurrence < 1)
        return std::nullopt;
    qsizetype at = find(text, opening, 0);
    for (int k = 1; k < occurrence && at >= 0; ++k)
        at = find(text, opening, at + opening.size());
    if (at < 0)
        return std::nullopt;
    const auto findOpen = [&](qsizetype from, qsizetype to) { return find(text.first(to), opening, from); };
    const Span value = valueAfter(text, at, text.size(), opening, Marker(close), findOpen);
    return text.sliced(value.first, value.second);
}

// Segment k of a text cut at the given starts: from start k, after `skip` characters, up to the
// next start or the end.
Span segmentAfter(const QList<qsizetype>& starts, qsizetype k, qsizetype skip, qsizetype textSize)
{
    const qsizetype start = starts[k] + skip;
    const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : textSize;
    return {start, end - start};
}

// Every value of a field in order: the segment after each occurrence of the opening marker, up to
// the next occurrence, cut at the closing marker.
Values valuesOf(QStringView text, const Marker& open, const Marker& close)
{
    Values values;
    if (open.isEmpty())
        return values;
    qsizetype segmentStart = -1;
    const auto endSegment = [&](qsizetype end) {
        if (segmentStart >= 0)
            values.push_back(cutAtClose(text, {segmentStart, end - segmentStart}, close));
    };
    forEachOccurrence(text, open, anchorsInText(text, open), [&](qsizetype start) {
        endSegment(start);
        segmentStart = start + open.size();
    });
    endSegment(text.size());
    return values;
}

} // namespace

struct AnswerRecordsData {
    // An anchor in the parallel kind's blocks: the block's start and the anchor's index there.
    struct Place {
        qsizetype block = -1;
        qsizetype index = -1;
    };

    QString text;
    bool parallel = false;
    QList<qsizetype> starts;            // separated and first-field kinds: where each record's marker stands
    qsizetype skip = 0;                 // what of the marker is not the record's own text
    qsizetype parallelCount = 0;

    // A field read from the records, by its markers.
    struct Field {
        Field(const QString& openMarker, const QString& closeMarker)
            : open(openMarker), close(closeMarker), opening(open), closing(close) {}
        bool is(const QString& openMarker, const QString& closeMarker) const
        {
            return same(open, openMarker) && same(close, closeMarker);
        }
        static bool same(const QString& known, const QString& other)
        {
            return known.size() == other.size() && (known.constData() == other.constData() || known == other);
        }

        QString open;
        QString close;
        Marker opening;
        Marker closing;
        // Parallel kind. Read forward, the field keeps the occurrence it has reached and the ones
        // found after it in the same block of the text, so a long answer is read without storing
        // it again; read backward, every value is kept.
        qsizetype reached = -1;         // the number of that occurrence, from 0
        qsizetype reachedAt = -1;
        std::vector<qsizetype> ahead;   // where the occurrences found after it start
        qsizetype aheadRead = 0;        // how many of them have been reached
        qsizetype scanFrom = 0;         // where the search for more goes on
        Place scanPlace;                // after this anchor
        bool exhausted = false;
        std::optional<Values> values;
    };
    std::vector<Field> fields;
    qsizetype nextField = 0;

    // The anchors of stretches of the text: the record being read, or blocks of the text for the
    // parallel kind. Fields are read record by record, so a stretch is scanned once however many
    // fields are read from it.
    struct Stretch {
        Span span{-1, 0};
        char16_t c = 0;
        Anchors anchors;
    };
    // Two for each field read, as the fields of the parallel kind may stand in separate stretches.
    std::vector<Stretch> stretches = std::vector<Stretch>(2);
    qsizetype lastStretch = 0;          // the one read last
    qsizetype nextScanned = 0;          // the one that takes the next stretch scanned
    // A block is read by every field before the next: small enough that its text and anchors stay
    // in the processor's nearer caches meanwhile (measured: much larger blocks read far slower),
    // large enough that each field seldom starts a new one.
    static constexpr qsizetype kBlock = 8192;

    qsizetype count() const { return parallel ? parallelCount : starts.size(); }
    Span record(qsizetype index) const { return segmentAfter(starts, index, skip, text.size()); }

    Field& field(const QString& open, const QString& close)
    {
        // Records read their fields in the same order: mostly the one after the last one read is
        // asked for, and this runs for every field of every record.
        if (nextField < static_cast<qsizetype>(fields.size()) && fields[nextField].is(open, close))
            return fields[nextField++];
        return soughtField(open, close);
    }

    Field& soughtField(const QString& open, const QString& close)
    {
        const auto known = static_cast<qsizetype>(fields.size());
        for (qsizetype k = 0, at = nextField; k < known; ++k, ++at) {
            if (at == known)
                at = 0;
            if (fields[at].is(open, close)) {
                nextField = at + 1;
                return fields[at];
            }
        }
        nextField = known + 1;
        stretches.resize(2 * (known + 1));
        return fields.emplace_back(open, close);
    }

    const Anchors& anchorsIn(Span span, char16_t c)
    {
        const auto holds = [&](const Stretch& stretch) { return stretch.span == span && stretch.c == c; };
        if (holds(stretches[lastStretch]))
            return stretches[lastStretch].anchors;
        for (qsizetype k = 0; k < static_cast<qsizetype>(stretches.size()); ++k) {
            if (holds(stretches[k])) {
                lastStretch = k;
                return stretches[k].anchors;
            }
        }
        // The stretch scanned longest ago gives way.
        lastStretch = nextScanned;
        nextScanned = (nextScanned + 1) % static_cast<qsizetype>(stretches.size());
        Stretch& slot = stretches[lastStretch];
        slot.span = span;
        slot.c = c;
        slot.anchors.gather(text, span, c);
        if (parallel)
            slot.anchors.link();
        return slot.anchors;
    }

    // The first place at or after `from` where the marker stands and ends by `to`, block by block;
    // `place` is where the search goes on from (the anchor of a place found before, or none) and
    // becomes the anchor of the place found.
    qsizetype findForward(const Marker& marker, qsizetype from, qsizetype to, Place& place)
    {
        const qsizetype lastAnchor = to - marker.size() + marker.anchor;
        for (qsizetype block = (from + marker.anchor) / kBlock * kBlock; block <= lastAnchor; block += kBlock) {
            const Anchors& blockAnchors = anchorsIn({block, std::min(kBlock, text.size() - block)}, marker.anchorChar());
            const qsizetype found = findAmong(text, marker, blockAnchors, place.block == block ? place.index + 1 : 0, from, to);
            if (found >= 0) {
                place = {block, found};
                return blockAnchors.positions[found] - marker.anchor;
            }
        }
        return -1;
    }

    std::optional<QStringView> recordValue(qsizetype index, const Field& field)
    {
        const Marker& open = field.opening;
        if (open.isEmpty())
            return std::nullopt;
        const Span span = record(index);
        const qsizetype end = span.first + span.second;
        const Anchors& openAnchors = anchorsIn(span, open.anchorChar());
        const qsizetype found = findAmong(text, open, openAnchors, 0, span.first, end);
        if (found < 0)
            return std::nullopt;
        const auto findOpen = [&](qsizetype from, qsizetype to) {
            // Mostly the next anchor stands beyond the value and its closing marker.
            const auto following = static_cast<std::size_t>(found + 1);
            if (following == openAnchors.positions.size()
                || openAnchors.positions[following] > to - open.size() + open.anchor)
                return qsizetype(-1);
            const qsizetype next = findAmong(text, open, openAnchors, found + 1, from, to);
            return next < 0 ? -1 : openAnchors.positions[next] - open.anchor;
        };
        const Span value = valueAfter(text, openAnchors.positions[found] - open.anchor, end, open, field.closing, findOpen);
        return QStringView(text).sliced(value.first, value.second);
    }

    // Where the occurrence after the one the field has reached starts, or -1.
    qsizetype nextOccurrence(Field& field)
    {
        if (field.aheadRead == static_cast<qsizetype>(field.ahead.size()) && !field.exhausted)
            scanAhead(field);
        return field.aheadRead < static_cast<qsizetype>(field.ahead.size()) ? field.ahead[field.aheadRead] : -1;
    }

    // Finds the field's next occurrence and the ones after it in the same block.
    void scanAhead(Field& field)
    {
        const Marker& open = field.opening;
        field.ahead.clear();
        field.aheadRead = 0;
        const qsizetype first = findForward(open, field.scanFrom, text.size(), field.scanPlace);
        field.exhausted = first < 0;
        if (field.exhausted)
            return;
        field.ahead.push_back(first);
        qsizetype from = first + open.size();
        const qsizetype block = field.scanPlace.block;
        const Anchors& anchors = anchorsIn({block, std::min(kBlock, text.size() - block)}, open.anchorChar());
        const auto count = static_cast<qsizetype>(anchors.positions.size());
        // Where the ending tells the marker apart, only the places linked to the first are its own.
        const bool byEnding = open.probeEndsAtAnchor();
        const auto following = [&](qsizetype i) { return byEnding ? anchors.nextAlike[i] : i + 1; };
        for (qsizetype i = following(field.scanPlace.index); i < count; i = following(i)) {
            if (byEnding && anchors.endings[i] != open.probe)
                continue;
            const qsizetype start = anchors.positions[i] - open.anchor;
            if (start >= from && start + open.size() <= text.size() && open.standsAt(text, start)) {
                field.ahead.push_back(start);
                from = start + open.size();
            }
        }
        field.scanFrom = from;
        field.scanPlace.index = count - 1;
    }

    // A field read backward keeps every value.
    std::optional<QStringView> storedValue(qsizetype index, Field& field)
    {
        if (!field.values)
            field.values = valuesOf(text, field.opening, field.closing);
        if (index >= static_cast<qsizetype>(field.values->size()))
            return std::nullopt;
        return (*field.values)[index];
    }

    std::optional<QStringView> parallelValue(qsizetype index, Field& field)
    {
        const Marker& open = field.opening;
        if (open.isEmpty())
            return std::nullopt;
        if (field.values || index < field.reached)
            return storedValue(index, field);
        while (field.reached < index && nextOccurrence(field) >= 0) {
            ++field.reached;
            field.reachedAt = field.ahead[field.aheadRead++];
        }
        if (field.reached != index)
            return std::nullopt;
        // The value is searched from right after its marker, where the next occurrence is sought from.
        const auto findOpen = [&](qsizetype, qsizetype to) {
            const qsizetype next = nextOccurrence(field);
            return next >= 0 && next + open.size() <= to ? next : -1;
        };
        const Span value = valueAfter(text, field.reachedAt, text.size(), open, field.closing, findOpen);
        return QStringView(text).sliced(value.first, value.second);
    }
};

std::optional<QString> GetField(const QString& text, const QString& open, const QString& close, int occurrence)
{
    const auto value = fieldIn(text, open, close, occurrence);
    if (!value)
        return std::nullopt;
    return value->toString();
}

std::optional<QStringView> GetFieldView(QStringView text, QStringView open, QStringView close)
{
    return fieldIn(text, open, close, 1);
}

QStringList GetFieldValues(const QString& text, const QString& open, const QString& close)
{
    QStringList values;
    for (const QStringView value : valuesOf(text, Marker(open), Marker(close)))
        values.append(value.toString());
    return values;
}

QStringList SplitRecords(const QString& text, const QString& separator)
{
    const QList<qsizetype> starts = occurrences(text, separator);
    QStringList records;
    records.reserve(starts.size());
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const Span segment = segmentAfter(starts, k, separator.size(), text.size());
        records.append(text.mid(segment.first, segment.second));
    }
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

std::optional<QStringView> AnswerRecord::value(const QString& open, const QString& close) const
{
    if (m_index < 0 || m_index >= m_data->count())
        return std::nullopt;
    AnswerRecordsData::Field& field = m_data->field(open, close);
    return m_data->parallel ? m_data->parallelValue(m_index, field) : m_data->recordValue(m_index, field);
}

std::optional<QString> AnswerRecord::get(const QString& open, const QString& close) const
{
    const auto found = value(open, close);
    return found ? std::optional<QString>(found->toString()) : std::nullopt;
}

QString AnswerRecord::field(const QString& open, const QString& close) const
{
    return view(open, close).toString();
}

QStringView AnswerRecord::view(const QString& open, const QString& close) const
{
    return value(open, close).value_or(QStringView());
}

bool AnswerRecord::has(const QString& open, const QString& close) const
{
    return value(open, close).has_value();
}

QString AnswerRecord::text() const
{
    if (m_data->parallel || m_index < 0 || m_index >= m_data->count())
        return QString();
    const Span span = m_data->record(m_index);
    return m_data->text.mid(span.first, span.second);
}

AnswerRecords AnswerRecords::Separated(const QString& text, const QString& separator)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->starts = occurrences(text, separator);
    data->skip = separator.size();
    return AnswerRecords(data);
}

AnswerRecords AnswerRecords::FirstField(const QString& text, const QString& firstOpen)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->starts = occurrences(text, firstOpen);
    return AnswerRecords(data);
}

AnswerRecords AnswerRecords::Parallel(const QString& text, const QString& firstOpen)
{
    auto data = std::make_shared<AnswerRecordsData>();
    data->text = text;
    data->parallel = true;
    const Marker first(firstOpen);
    if (!first.isEmpty())
        forEachOccurrence(text, first, anchorsInText(text, first), [&](qsizetype) { ++data->parallelCount; });
    return AnswerRecords(data);
}

qsizetype AnswerRecords::count() const
{
    return m_data->count();
}
