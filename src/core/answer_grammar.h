#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>
#include <utility>

// Reading the backend's answers. A field is written name + "[" + value + "]" + name (opening
// marker name + "[", closing marker "]" + name) or "<name>" + value + "</name>". Markers are
// literal and case-sensitive; a blank inside a marker (" num[", "]phone ") is part of it.

// The text after the given occurrence (1 = first) of the opening marker, up to the first closing
// marker after it, or up to the next opening marker or the end when no closing marker comes
// first. No value when the opening marker occurs fewer times. An empty value is a value.
// A caller keeps its variable unchanged when there is no value:
//   if (const auto v = GetField(answer, "smsPoint[", "]smsPoint")) credit = ToLong(*v);
std::optional<QString> GetField(const QString& text, const QString& open, const QString& close,
                                int occurrence = 1);

// The same value as a view into the text, without a copy.
std::optional<QStringView> GetFieldView(QStringView text, QStringView open, QStringView close);

// Every value of a field in order, read in one pass: value k is what GetField gives for
// occurrence k ("<text>a</text><text>b</text>" gives "a" and "b"). Empty when the marker is missing.
QStringList GetFieldValues(const QString& text, const QString& open, const QString& close);

// The segments after each occurrence of the separator, each up to the next one or the end; the
// text before the first separator is not a segment. Empty when the separator does not occur.
QStringList SplitRecords(const QString& text, const QString& separator);

// How often the marker occurs in the text, as decimal text ("0" for none).
QString GetItemCount(const QString& text, const QString& marker);

// Whether the answer reports success: it contains "성공".
bool IsSuccessAnswer(const QString& answer);

struct AnswerRecordsData;

// One record of a list answer. Every record starts with empty fields: a marker missing from this
// record reads as empty text, never as the value of another record.
class AnswerRecord
{
public:
    // The field's value, or no value when its marker is missing from this record.
    std::optional<QString> get(const QString& open, const QString& close) const;
    // The field's value, empty text when its marker is missing.
    QString field(const QString& open, const QString& close) const;
    // The same value without a copy: it points into the answer and stays valid while this record
    // or its list lives.
    QStringView view(const QString& open, const QString& close) const;
    bool has(const QString& open, const QString& close) const;
    // The record's own text (empty for records of the parallel kind, which have none).
    QString text() const;

private:
    friend class AnswerRecords;
    std::optional<QStringView> value(const QString& open, const QString& close) const;
    AnswerRecord(std::shared_ptr<AnswerRecordsData> data, qsizetype index)
        : m_data(std::move(data)), m_index(index) {}
    std::shared_ptr<AnswerRecordsData> m_data;
    qsizetype m_index;
};

// The records of a list answer, read in one pass over the text whatever its size; fields read
// record by record in order are found without reading the text again. Three kinds:
//   Separated(answer, "<menubrrs>")  a separator stands before every record;
//   FirstField(answer, "nums[")      each record begins at an occurrence of its first marker;
//   Parallel(answer, "num[")         record k's fields are the k-th occurrences of their
//                                    markers, and the first field's marker counts the records.
//   for (const AnswerRecord& r : AnswerRecords::Separated(answer, "<menubrrs>"))
//       name = VmrDecodeAA(r.field("zzim_name[", "]zzim_name"));
class AnswerRecords
{
public:
    static AnswerRecords Separated(const QString& text, const QString& separator);
    static AnswerRecords FirstField(const QString& text, const QString& firstOpen);
    static AnswerRecords Parallel(const QString& text, const QString& firstOpen);

    qsizetype count() const;
    bool isEmpty() const { return count() == 0; }
    // Records are numbered from 0.
    AnswerRecord at(qsizetype index) const { return AnswerRecord(m_data, index); }

    class const_iterator
    {
    public:
        const_iterator(const AnswerRecords* list, qsizetype index) : m_list(list), m_index(index) {}
        AnswerRecord operator*() const { return m_list->at(m_index); }
        const_iterator& operator++() { ++m_index; return *this; }
        bool operator!=(const const_iterator& other) const { return m_index != other.m_index; }

    private:
        const AnswerRecords* m_list;
        qsizetype m_index;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, count()}; }

private:
    explicit AnswerRecords(std::shared_ptr<AnswerRecordsData> data) : m_data(std::move(data)) {}
    std::shared_ptr<AnswerRecordsData> m_data;
};
