#include "customer/member_answers.h"

#include "core/answer_grammar.h"
#include "core/converters.h"
#include "core/number_format.h"
#include "core/phone.h"
#include "core/text_escapes.h"
#include "platform/vb_color.h"
#include "server/cache_dates.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Keeps the target as it was when the marker is missing.
void readInto(QString& target, const QString& answer, const QString& name)
{
    if (const auto value = GetField(answer, " " + name + "[", "]" + name + " "))
        target = *value;
}

QString levelNumber(const QString& answer, const QString& level)
{
    for (const AnswerRecord& record : AnswerRecords::Separated(answer, QStringLiteral("<level>"))) {
        const QString text = record.text().section(QStringLiteral("</level>"), 0, 0);
        if (GetField(text, QStringLiteral(" levelname["), QStringLiteral("]levelname ")).value_or(QString()) == level)
            return GetField(text, QStringLiteral(" levelnum["), QStringLiteral("]levelnum ")).value_or(QString());
    }
    return {};
}

QString countText(const QString& answer, const QString& name)
{
    const auto value = GetField(answer, name + "[", "]" + name + " ");
    return value ? FormatNumber(ToLong(*value), QStringLiteral("#,###")) : QString();
}

QString shortDate(const QString& text)
{
    const QDate date = ReadCacheDate(text);
    return date.isValid() ? date.toString(QStringLiteral("yy.MM.dd")) : QString();
}

QString countLine(const QString& label, const QString& count)
{
    return ToLong(count) > 0 ? label + count + QStringLiteral("명") : QString();
}

QString joinLines(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + kCrLf + second;
}

QString tagValue(const QString& block, const QString& name)
{
    return GetField(block, "<" + name + ">", "</" + name + ">").value_or(QString());
}

MemberHistoryRow historyRow(const AnswerRecord& record)
{
    auto field = [&](const QString& open, const QString& close) { return record.field(open, close); };
    MemberHistoryRow row;
    auto& cells = row.cells;
    cells[1] = field(QStringLiteral("zzim_num["), QStringLiteral("]zzim_num "));
    const QString start = field(QStringLiteral(" zzim_regdate["), QStringLiteral("]zzim_regdate"));
    cells[2] = shortDate(start);
    cells[12] = start;
    cells[3] = field(QStringLiteral(" zzim_request["), QStringLiteral("]zzim_request"));
    const QString group = field(QStringLiteral(" zzim_oz["), QStringLiteral("]requestoz"));
    const QString decoded = URLDecode(group);
    cells[4] = decoded.isEmpty() ? group : decoded;
    const QString tables = field(QStringLiteral(" zzim_table["), QStringLiteral("]zzim_table"));
    cells[5] = HistoryTableNames(tables);
    cells[13] = tables;
    cells[6] = HistoryPartyText(field(QStringLiteral(" zzim_person["), QStringLiteral("]zzim_person")));
    cells[7] = HistoryChannelWord(field(QStringLiteral(" zzim_APP["), QStringLiteral("]zzim_APP")));
    cells[8] = field(QStringLiteral(" zzim_managername["), QStringLiteral("]zzim_managername"));
    cells[9] = field(QStringLiteral(" zzim_memo["), QStringLiteral("]zzim_memo"));
    const QString menu = field(QStringLiteral(" zzim_menu["), QStringLiteral("]zzim_menu"));
    cells[10] = menu.contains(QStringLiteral("<menuliner>")) ? QString() : menu;
    row.state = HistoryStateWord(field(QStringLiteral(" zzim_state["), QStringLiteral("]zzim_state")));
    cells[11] = row.state.left(2);
    if (row.state == QStringLiteral("취소")) {
        row.foreColor = OleColor(VbRGB(170, 170, 170));
        row.italic = true;
    } else if (row.state == QStringLiteral("노쇼")) {
        row.foreColor = OleColor(VbRGB(255, 0, 255));
        row.italic = true;
    } else {
        row.foreColor = cells[5].isEmpty() ? OleColor(VbRGB(255, 0, 0)) : OleColor(VbRGB(0, 0, 0));
    }
    return row;
}

} // namespace

QList<MemberListRecord> ReadMemberList(const QString& answer)
{
    QList<MemberListRecord> members;
    for (const AnswerRecord& r : AnswerRecords::Separated(answer, QStringLiteral("<menubrrs>")))
        members.append({r.field(QStringLiteral("num["), QStringLiteral("]num")),
                        r.field(QStringLiteral("name["), QStringLiteral("]name")),
                        r.field(QStringLiteral("name2["), QStringLiteral("]name2")),
                        r.field(QStringLiteral("phone["), QStringLiteral("]phone")),
                        r.field(QStringLiteral("birthday["), QStringLiteral("]birthday")),
                        r.field(QStringLiteral("sex["), QStringLiteral("]sex")),
                        r.field(QStringLiteral("memo["), QStringLiteral("]memo"))});
    return members;
}

QString MemberListPhone(const QString& phone)
{
    return phone.isEmpty() ? QString() : FormatPhoneMasked(phone, false);
}

std::optional<MemberDetail> ReadMemberDetail(const QString& answer)
{
    MemberDetail member;
    member.name = Trim(GetField(answer, QStringLiteral(" names["), QStringLiteral("]names ")).value_or(QString()));
    if (member.name.isEmpty())
        return std::nullopt;
    if (member.name == QStringLiteral("임시")) {
        if (const auto name2 = GetField(answer, QStringLiteral(" name2["), QStringLiteral("]name2 ")))
            member.name = Trim(*name2);
    }
    readInto(member.phoneDigits, answer, QStringLiteral("phone"));
    member.phoneDigits.remove('-');
    readInto(member.memo, answer, QStringLiteral("memo"));
    member.memo.replace(QStringLiteral("!줄바꿈!"), kCrLf);
    readInto(member.level, answer, QStringLiteral("level"));
    readInto(member.levelFrozen, answer, QStringLiteral("levelfrozen"));
    member.levelNum = levelNumber(answer, member.level);
    readInto(member.deny, answer, QStringLiteral("deny"));
    readInto(member.pointCheck, answer, QStringLiteral("pointcheck"));
    readInto(member.snsI, answer, QStringLiteral("snsi"));
    readInto(member.snsF, answer, QStringLiteral("snsf"));
    readInto(member.snsB, answer, QStringLiteral("snsb"));
    readInto(member.snsE, answer, QStringLiteral("snse"));
    readInto(member.name2, answer, QStringLiteral("name2"));
    readInto(member.lastZzimNames, answer, QStringLiteral("lastzzimnames"));
    readInto(member.addPhone1, answer, QStringLiteral("add_phone1"));
    readInto(member.addPhone2, answer, QStringLiteral("add_phone2"));
    readInto(member.addPhone3, answer, QStringLiteral("add_phone3"));
    readInto(member.careful, answer, QStringLiteral("careful"));
    return member;
}

std::optional<QList<MemberCar>> ReadMemberCars(const QString& answer)
{
    if (!answer.contains(QStringLiteral("완료")))
        return std::nullopt;
    QList<MemberCar> cars;
    for (const AnswerRecord& r : AnswerRecords::Parallel(answer, QStringLiteral("numb[")))
        cars.append({r.field(QStringLiteral("numb["), QStringLiteral("]numb")),
                     r.field(QStringLiteral("carnumber["), QStringLiteral("]carnumber"))});
    return cars;
}

MemberHistory ReadMemberHistory(const QString& answer)
{
    MemberHistory history;
    history.totalCount = countText(answer, QStringLiteral("totalcount"));
    history.totalPersons = countText(answer, QStringLiteral("totalpersoncount"));
    const QString recent = shortDate(
        GetField(answer, QStringLiteral("recentzzim["), QStringLiteral("]recentzzim ")).value_or(QString()));
    if (!recent.isEmpty())
        history.recent = QStringLiteral("직전예약 - ") + recent;
    history.noShows = countText(answer, QStringLiteral("noshowcount"));
    const AnswerRecords records = AnswerRecords::FirstField(answer, QStringLiteral("zzim_num["));
    history.rows.reserve(records.count());
    for (const AnswerRecord& record : records) {
        history.rows.append(historyRow(record));
        if (history.rows.last().state == QStringLiteral("취소"))
            ++history.cancelled;
    }
    return history;
}

QString HistoryStateWord(const QString& backendWord)
{
    static const QHash<QString, QString> words{{QStringLiteral("답변대기"), QStringLiteral("대기")},
                                               {QStringLiteral("접수완료"), QStringLiteral("확정")},
                                               {QStringLiteral("예약거절"), QStringLiteral("거절")},
                                               {QStringLiteral("접수취소"), QStringLiteral("취소")},
                                               {QStringLiteral("NOSHOW"), QStringLiteral("노쇼")},
                                               {QStringLiteral("계산완료"), QStringLiteral("완료")}};
    return words.value(backendWord, backendWord);
}

QString HistoryChannelWord(const QString& backendWord)
{
    static const QHash<QString, QString> words{{QStringLiteral("웹주문"), QStringLiteral("웹")},
                                               {QStringLiteral("앱주문"), QStringLiteral("앱")},
                                               {QStringLiteral("수기입력"), QStringLiteral("수기")}};
    return words.value(backendWord, backendWord);
}

QString HistoryTableNames(const QString& tableList)
{
    if (tableList.isEmpty())
        return {};
    const QStringList items = tableList.split(';');
    QStringList names;
    for (qsizetype i = 0; i < items.size(); i += 2) {
        QString name = items[i];
        name.remove(' ');
        if (!name.isEmpty())
            names.append(name);
    }
    return names.join(' ');
}

QString HistoryPartyText(const QString& block)
{
    const QString scheme = tagValue(block, QStringLiteral("persontype"));
    if (scheme == QStringLiteral("0"))
        return countLine(QString(), tagValue(block, QStringLiteral("totalcount")));
    if (scheme == QStringLiteral("1"))
        return joinLines(countLine(QStringLiteral("남: "), tagValue(block, QStringLiteral("sexmale"))),
                         countLine(QStringLiteral("여: "), tagValue(block, QStringLiteral("sexfemale"))));
    if (scheme == QStringLiteral("2"))
        return joinLines(countLine(QStringLiteral("대인: "), tagValue(block, QStringLiteral("big"))),
                         countLine(QStringLiteral("소인: "), tagValue(block, QStringLiteral("small"))));
    return {};
}
