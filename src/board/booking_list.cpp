#include "board/booking_list.h"

#include "core/answer_grammar.h"
#include "core/converters.h"
#include "core/number_format.h"
#include "core/text_escapes.h"
#include "customer/member_answers.h"
#include "platform/grid_model.h"

#include <algorithm>

namespace {

enum Count { Total, Waiting, Confirmed, Refused, Changed, Cancelled, Finished, None };

struct State {
    const char16_t* code;
    const char16_t* text;
    Count count;
};

constexpr State kStates[] = {
    {u"S", u"대기", Waiting},   {u"Y", u"확정", Confirmed}, {u"N", u"거절", Refused},
    {u"X", u"취소", Cancelled}, {u"noshow", u"노쇼", None}, {u"finish", u"완료", Finished},
};

const State* stateOf(const QString& code)
{
    for (const State& state : kStates) {
        if (code == QStringView(state.code))
            return &state;
    }
    return nullptr;
}

int number(QStringView text, int from, int length)
{
    bool ok = false;
    const int value = text.mid(from, length).toInt(&ok);
    return ok ? value : -1;
}

// The visit of "yyyy-MM-dd" and a time "hh:nn" (or "h:nn", seconds allowed); invalid otherwise.
QDateTime visitOf(const QString& day, const QString& time)
{
    if (day.size() < 10 || day[4] != QChar('-') || day[7] != QChar('-'))
        return QDateTime();
    const QDate date(number(day, 0, 4), number(day, 5, 2), number(day, 8, 2));
    const int colon = time.indexOf(QChar(':'));
    if (!date.isValid() || colon < 1 || colon > 2)
        return QDateTime();
    const int hour = number(time, 0, colon);
    const int minute = number(time, colon + 1, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return QDateTime();
    return QDateTime(date, QTime(hour, minute), Qt::UTC);
}

QString partyText(const QString& block)
{
    const QString type = GetField(block, "<persontype>", "</persontype>").value_or(QString());
    const auto count = [&](const char* open, const char* close) {
        return ToLong(GetField(block, open, close).value_or(QString()));
    };
    if (type == QStringLiteral("0")) {
        const QString total = GetField(block, "<totalcount>", "</totalcount>").value_or(QString());
        return ToLong(total) > 0 ? total : QString();
    }
    if (type == QStringLiteral("1"))
        return QStringLiteral("%1 / %2").arg(count("<sexmale>", "</sexmale>")).arg(count("<sexfemale>", "</sexfemale>"));
    if (type == QStringLiteral("2"))
        return QStringLiteral("%1 / %2").arg(count("<big>", "</big>")).arg(count("<small>", "</small>"));
    return QString();
}

bool matches(const QString& text, const QString& search)
{
    return !text.isEmpty() && text.contains(search, Qt::CaseInsensitive);
}

QString withoutHyphens(const QString& text)
{
    return QString(text).remove(QChar('-'));
}

// The shown part of the number contains the search, or the search is the whole number, with or
// without its hyphens.
bool phoneMatches(const QString& phone, const QString& shortPhone, const QString& search)
{
    if (matches(shortPhone, search))
        return true;
    const QString digits = withoutHyphens(search.trimmed());
    return !digits.isEmpty() && withoutHyphens(phone) == digits;
}

bool earlierVisit(const BookingListRow& a, const BookingListRow& b)
{
    if (a.visit.isValid() != b.visit.isValid())
        return !a.visit.isValid();
    return a.visit < b.visit;
}

} // namespace

QString BookingList::statusLine() const
{
    static const char16_t* names[] = {u"전체: ", u", 대기: ", u", 확정: ", u", 거절: ", u", 수정: ", u", 취소: ", u", 완료: "};
    QString line;
    for (int i = 0; i < 7; ++i)
        line += QString::fromUtf16(names[i]) + FormatNumber(counts[i]);
    return line;
}

BookingList ReadBookingList(const QString& answer, bool allDays, const QString& searchText)
{
    BookingList list;
    static const char* counters[] = {"allcount", "scount", "ycount", "ncount", "editcount", "xcount", "fcount"};
    for (int i = 0; i < 7; ++i) {
        const QString name = QString::fromLatin1(counters[i]);
        if (const auto value = GetField(answer, name + "[", "]" + name))
            list.counts[i] = ToLong(*value);
    }
    const AnswerRecords records = AnswerRecords::Separated(answer, QStringLiteral("<menubrrs>"));
    list.rows.reserve(records.count());
    for (const AnswerRecord& record : records) {
        BookingListRow row;
        auto& c = row.cells;
        const QString day = record.field(" regdatess[", "]regdatess");
        const QString time = record.field(" regdatess3[", "]regdatess3");
        const QString name = record.field(" requestname[", "]requestname");
        QString group = record.field(" requestoz[", "]requestoz");
        const QString decoded = URLDecode(group);
        if (!decoded.isEmpty())
            group = decoded;
        const QString phone = record.field("phone[", "]phone");
        const QString shortPhone = phone.startsWith(QStringLiteral("010-")) ? phone.mid(4) : phone;
        const State* state = stateOf(record.field("YN[", "]YN"));
        const QString stateText = state ? QString::fromUtf16(state->text) : QString();
        if (allDays && !matches(name, searchText) && !matches(group, searchText)
            && !phoneMatches(phone, shortPhone, searchText)) {
            if (state && state->count != None) {
                --list.counts[state->count];
                --list.counts[Total];
            }
            continue;
        }
        const QString tableField = record.field(" table[", "]table");
        QString items = record.field(" menu[", "]menu");
        if (items.contains(QStringLiteral("<menuliner>")))
            items.clear();
        c[1] = record.field("num[", "]num ");
        row.visit = visitOf(day, time);
        c[2] = row.visit.isValid() ? row.visit.toString(QStringLiteral("MM.dd HH:mm")) : QString();
        c[3] = name;
        c[4] = group;
        c[5] = shortPhone;
        c[6] = HistoryChannelWord(record.field(" zzim_APP[", "]zzim_APP"));
        c[7] = HistoryTableNames(tableField);
        c[8] = partyText(record.field(" personcount[", "]personcount"));
        c[9] = VmrDecodeAA(items);
        c[10] = stateText.left(2);
        c[11] = day + QChar(' ') + time;
        c[12] = phone;
        c[13] = record.field(" zzim_managername[", "]zzim_managername");
        c[14] = record.field(" memo[", "]memo");
        c[15] = tableField;
        if (state && state->count == Cancelled)
            row.look = BookingListRow::Cancelled;
        else if (state && state->count == None)
            row.look = BookingListRow::NoShow;
        else if (c[7].isEmpty())
            row.look = BookingListRow::NoTable;
        list.rows.append(row);
    }
    for (int& count : list.counts)
        count = qMax(0, count);
    return list;
}

void FillBookingList(GridModel& grid, const BookingList& list, int twipsX)
{
    QList<BookingListRow> rows = list.rows;
    std::stable_sort(rows.begin(), rows.end(), earlierVisit);
    grid.SetReDraw(false);
    grid.SetMaxRows(int(rows.size()));
    for (int r = 1; r <= rows.size(); ++r) {
        const BookingListRow& row = rows[r - 1];
        for (int c = 1; c <= 15; ++c)
            grid.SetText(c, r, row.cells[c]);
        grid.SetRow(r);
        grid.SetCol(-1);
        switch (row.look) {
        case BookingListRow::Cancelled:
            grid.SetForeColor(VbRGB(170, 170, 170));
            grid.SetFontItalic(true);
            break;
        case BookingListRow::NoShow:
            grid.SetForeColor(VbRGB(255, 0, 255));
            grid.SetFontItalic(true);
            break;
        default:
            grid.SetForeColor(row.look == BookingListRow::NoTable ? VbRGB(255, 0, 0) : VbRGB(0, 0, 0));
            grid.SetFontItalic(false);
        }
        grid.SetRowHeight(r, 35.0 * twipsX);
    }
    grid.SetReDraw(true);
    if (grid.MaxRows() > 0) {
        grid.SetRow(1);
        grid.SetActiveCell(3, 1);
    }
}
