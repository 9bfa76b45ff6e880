#include "core/answer_grammar.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

TEST(AnswerGrammar, GetFieldOccurrencesAndMissingClosers)
{
    struct Case { QString text; QString open; QString close; int occurrence; std::optional<QString> value; };
    const Case cases[] = {
        {"x[1]x x[2]x", "x[", "]x", 1, "1"},
        {"x[1]x x[2]x", "x[", "]x", 2, "2"},
        {"x[1]x x[2]x", "x[", "]x", 3, std::nullopt},
        {"a[12", "a[", "]a", 1, "12"},
        {"a[12 a[34]a", "a[", "]a", 1, "12 "},
        {"a[]a", "a[", "]a", 1, ""},
        {"", "a[", "]a", 1, std::nullopt},
        {"tablenum[7]tablenum num[3]num", "num[", "]num", 1, "7]tablenum "},
        {"tablenum[7]tablenum num[3]num", " num[", "]num", 1, "3"},
        {"<totalrow>15</totalrow>", "<totalrow>", "</totalrow>", 1, "15"},
        {"Name[x]Name", "name[", "]name", 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetField(c.text, c.open, c.close, c.occurrence), c.value) << c.text.toStdString();
}

TEST(AnswerGrammar, MissingFieldLeavesTheVariable)
{
    QString name = "before";
    if (const auto v = GetField("other[x]other", "name[", "]name"))
        name = *v;
    EXPECT_EQ(name, "before");
}

TEST(AnswerGrammar, SplitCountAndSuccess)
{
    EXPECT_EQ(SplitRecords("head<menubrrs>A<menubrrs>B", "<menubrrs>"), QStringList({"A", "B"}));
    EXPECT_TRUE(SplitRecords("no records", "<menubrrs>").isEmpty());
    EXPECT_EQ(GetItemCount("", "num["), "0");
    EXPECT_EQ(GetItemCount("abc", "num["), "0");
    EXPECT_EQ(GetItemCount("num[1]num tablenum[2]tablenum", "num["), "2");
    for (const char* yes : {"성공", "로그인 성공", "성공입니다"})
        EXPECT_TRUE(IsSuccessAnswer(yes)) << yes;
    for (const char* no : {"", "성 공", "실패"})
        EXPECT_FALSE(IsSuccessAnswer(no)) << no;
}

TEST(AnswerGrammar, SeparatedRecordsStartEmpty)
{
    const auto records = AnswerRecords::Separated(
        "ok<menubrrs>n[1]n m[Kim]m</menubrrs><menubrrs>n[2]n</menubrrs><menubrrs>n[3]n m[Lee]m", "<menubrrs>");
    ASSERT_EQ(records.count(), 3);
    QStringList numbers;
    QStringList names;
    for (const AnswerRecord& r : records) {
        numbers << r.field("n[", "]n");
        names << r.field("m[", "]m");
    }
    EXPECT_EQ(numbers, QStringList({"1", "2", "3"}));
    EXPECT_EQ(names, QStringList({"Kim", "", "Lee"}));
    EXPECT_FALSE(records.at(1).has("m[", "]m"));
    EXPECT_TRUE(records.at(2).has("m[", "]m"));
    EXPECT_TRUE(AnswerRecords::Separated("", "<brr>").isEmpty());
}

TEST(AnswerGrammar, FirstFieldRecordsKeepTheirMarker)
{
    const auto records = AnswerRecords::FirstField("count 2 nums[1]nums name[A]name nums[2]nums", "nums[");
    ASSERT_EQ(records.count(), 2);
    EXPECT_EQ(records.at(0).field("nums[", "]nums"), "1");
    EXPECT_EQ(records.at(0).field("name[", "]name"), "A");
    EXPECT_EQ(records.at(1).field("nums[", "]nums"), "2");
    EXPECT_FALSE(records.at(1).has("name[", "]name"));
}

TEST(AnswerGrammar, ParallelRecordsMatchGetFieldByOccurrence)
{
    const QString answer = "num[1]num managername[Kim]managername num[2]num managername[Lee]managername num[3]num";
    const auto records = AnswerRecords::Parallel(answer, "num[");
    ASSERT_EQ(records.count(), 3);
    for (int k = 0; k < 3; ++k) {
        for (const auto& [open, close] : {std::pair{"num[", "]num"}, std::pair{"managername[", "]managername"}})
            EXPECT_EQ(records.at(k).get(open, close), GetField(answer, open, close, k + 1)) << k << open;
    }
    EXPECT_EQ(records.at(2).field("managername[", "]managername"), "");
}

TEST(AnswerGrammar, RecordsOutliveTheirList)
{
    const AnswerRecord record = AnswerRecords::Separated("<brr>a[x]a", "<brr>").at(0);
    EXPECT_EQ(record.field("a[", "]a"), "x");
    EXPECT_EQ(record.text(), "a[x]a");
}

namespace {

// The reading written out as plain splits: segment k of the text cut at the opening marker, cut
// again at the closing marker.
std::optional<QString> splitReading(const QString& text, const QString& open, const QString& close, int k)
{
    const QStringList segments = text.split(open);
    if (k >= segments.size())
        return std::nullopt;
    return segments[k].split(close).first();
}

// Text made of the markers' own characters, so that markers overlap and nest in every way.
QString markerSoup(std::mt19937& random, int length)
{
    const QString alphabet = "aa[]] x";
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet[static_cast<int>(random() % alphabet.size())];
    return text;
}

const std::pair<const char*, const char*> kMarkerPairs[] = {
    {"a[", "]a"}, {"a[", "]"}, {"[", "]a"}, {"]a", "a["}, {"aa", " "},
};

} // namespace

TEST(AnswerGrammar, AgreesWithPlainSplittingOnOverlappingMarkers)
{
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const QString text = markerSoup(random, static_cast<int>(random() % 24));
        const QStringList segments = text.split("x");
        const auto separated = AnswerRecords::Separated(text, "x");
        ASSERT_EQ(separated.count(), segments.size() - 1) << text.toStdString();
        for (const auto& [open, close] : kMarkerPairs) {
            const auto parallel = AnswerRecords::Parallel(text, open);
            const auto backward = AnswerRecords::Parallel(text, open);
            const auto firstField = AnswerRecords::FirstField(text, open);
            for (int k = 1; k <= 4; ++k) {
                const auto expected = splitReading(text, open, close, k);
                ASSERT_EQ(GetField(text, open, close, k), expected) << text.toStdString() << " " << open << k;
                if (k <= parallel.count()) {
                    ASSERT_EQ(parallel.at(k - 1).get(open, close), expected) << text.toStdString() << " " << open;
                    ASSERT_EQ(backward.at(parallel.count() - k).get(open, close),
                              splitReading(text, open, close, static_cast<int>(parallel.count()) - k + 1));
                    ASSERT_EQ(firstField.at(k - 1).get(open, close), expected) << text.toStdString() << " " << open;
                }
            }
            for (qsizetype k = 0; k < separated.count(); ++k) {
                ASSERT_EQ(separated.at(k).text(), segments[k + 1]);
                ASSERT_EQ(separated.at(k).get(open, close), splitReading(segments[k + 1], open, close, 1))
                    << text.toStdString() << " " << open << k;
            }
        }
    }
}

TEST(AnswerGrammar, LongAnswersReadAlikeInEveryOrder)
{
    // Long enough for the parallel kind to read it in several stretches.
    std::mt19937 random(5);
    const QString text = markerSoup(random, 30000);
    for (const auto& [open, close] : kMarkerPairs) {
        const QStringList segments = text.split(open);
        const QStringList closeSegments = text.split(close);
        const auto forward = AnswerRecords::Parallel(text, open);
        const auto backward = AnswerRecords::Parallel(text, open);
        ASSERT_EQ(forward.count(), segments.size() - 1) << open;
        const QStringList values = GetFieldValues(text, open, close);
        ASSERT_EQ(values.size(), forward.count()) << open;
        for (qsizetype k = 0; k < forward.count(); ++k) {
            const QString expected = segments[k + 1].split(close).first();
            ASSERT_EQ(forward.at(k).field(open, close), expected) << open << " " << k;
            // A second field read alongside, its markers swapped.
            const auto swapped = k + 1 < closeSegments.size() ? std::optional(closeSegments[k + 1].split(open).first())
                                                            : std::nullopt;
            ASSERT_EQ(forward.at(k).get(close, open), swapped) << open << " " << k;
            ASSERT_EQ(backward.at(forward.count() - 1 - k).field(open, close),
                      segments[forward.count() - k].split(close).first());
            ASSERT_EQ(values[k], expected);
        }
    }
}

TEST(AnswerGrammar, LongMarkersReadAlikeAcrossALongAnswer)
{
    // Markers of three to seventeen characters, two with the same characters before their
    // bracket, in an answer long enough to be read in many blocks. Some records lack a field and
    // some values hold brackets or text that differs from a marker in one character only, so
    // occurrences and records do not line up.
    const std::pair<QString, QString> fields[] = {
        {"nums[", "]nums"}, {"no[", "]no"}, {"rs_date[", "]rs_date"}, {"rs_state[", "]rs_state"},
        {"tel[", "]tel"}, {"reservation_memo[", "]reservation_memo"},
    };
    const QString nearMarkers[] = {"[x]", "rs_sXate[", "]rs_d0te", "reservation_Xemo[", "]reservation_mXmo"};
    std::mt19937 random(7);
    QString text = "totalrow[3000]totalrow";
    for (int k = 0; k < 3000; ++k) {
        for (const auto& [open, close] : fields) {
            if (open == "nums[" || random() % 4 != 0) {
                const QString nearMarker = random() % 3 == 0 ? nearMarkers[random() % std::size(nearMarkers)] : "";
                text += open + QString::number(k) + nearMarker + close + " ";
            }
        }
    }
    const auto parallel = AnswerRecords::Parallel(text, "nums[");
    const auto firstField = AnswerRecords::FirstField(text, "nums[");
    const QStringList records = text.split("nums[");
    ASSERT_EQ(parallel.count(), 3000);
    ASSERT_EQ(firstField.count(), 3000);
    QList<QStringList> segments;
    for (const auto& [open, close] : fields)
        segments.append(text.split(open));
    for (qsizetype k = 0; k < 3000; ++k) {
        for (qsizetype f = 0; f < std::ssize(fields); ++f) {
            const auto& [open, close] = fields[f];
            const auto expected = k + 1 < segments[f].size() ? std::optional(segments[f][k + 1].split(close).first())
                                                             : std::nullopt;
            ASSERT_EQ(parallel.at(k).get(open, close), expected) << open.toStdString() << " " << k;
            ASSERT_EQ(firstField.at(k).get(open, close), splitReading("nums[" + records[k + 1], open, close, 1))
                << open.toStdString() << " " << k;
        }
    }
}
