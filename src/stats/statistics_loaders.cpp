#include "stats/statistics_window.h"

#include "core/converters.h"
#include "core/jet_failure_log.h"
#include "core/list_answer_check.h"
#include "core/jet_recordset.h"
#include "core/number_format.h"
#include "core/phone.h"
#include "customer/member_answers.h"
#include "core/backend_request.h"
#include "platform/ini_util.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "server/server_globals.h"

#include <QPointer>

#include <algorithm>
#include <functional>

namespace {

const QString kWindow = QStringLiteral("frmz통계B");
const OleColor kPurple = VbRGB(192, 0, 192);

// One row per phone of the cached reservations: the first counted row's fields in table order,
// the earliest visit and the count of the rows counted. Ordered by phone, the order the merge's
// binary search needs.
QString groupedQuery(bool period)
{
    return QStringLiteral("SELECT e.cNum AS fNum, e.cNameT AS fNameT, e.cLevelT AS fLevelT, g.cPhoneT AS cPhoneT,"
                          " e.cSexT AS fSexT, e.cAgeT AS fAgeT, e.cBirthdayT AS fBirthdayT,"
                          " e.최초방문일 AS f최초방문일, g.m방문일 AS m방문일, g.방문수 AS 방문수,"
                          " e.총방문수 AS f총방문수, e.cMemoT AS fMemoT"
                          " FROM (SELECT cPhoneT, MIN(rowid) AS firstRow, MIN(방문일) AS m방문일, COUNT(*) AS 방문수"
                          " FROM 예약")
        + (period ? QStringLiteral(" WHERE 방문일 BETWEEN ? AND ?") : QString())
        + QStringLiteral(" GROUP BY cPhoneT) g JOIN 예약 e ON e.rowid = g.firstRow ORDER BY g.cPhoneT");
}

// The grouped query's fields, named once for the loop over its rows.
const QString kNum = QStringLiteral("fNum");
const QString kName = QStringLiteral("fNameT");
const QString kLevel = QStringLiteral("fLevelT");
const QString kPhone = QStringLiteral("cPhoneT");
const QString kSex = QStringLiteral("fSexT");
const QString kAge = QStringLiteral("fAgeT");
const QString kBirthday = QStringLiteral("fBirthdayT");
const QString kFirstVisit = QStringLiteral("f최초방문일");
const QString kEarliest = QStringLiteral("m방문일");
const QString kVisits = QStringLiteral("방문수");
const QString kTotal = QStringLiteral("f총방문수");
const QString kMemo = QStringLiteral("fMemoT");

QString shownPhone(const QString& phone)
{
    const QString formatted = FormatPhoneMasked(phone, false);
    return formatted.isEmpty() ? phone : formatted;
}

QString shownName(const MemberListRecord& member)
{
    return member.name == QStringLiteral("준회원") && !member.name2.isEmpty() ? member.name2 : member.name;
}

QString count(int n)
{
    return FormatNumber(n);
}

// "<count><unit> (<ratio>%)" against the base count, "<count><unit> ( 0% )" without one.
QString withRatio(int n, const QString& unit, int base)
{
    if (base == 0)
        return count(n) + unit + QStringLiteral(" ( 0% )");
    const double ratio = IniUtil::RoundDigits(double(n) / base * 100, 1);
    return count(n) + unit + QStringLiteral(" (") + QString::number(ratio, 'g', 12) + QStringLiteral("%)");
}

} // namespace

void frmz통계B::resetGrid(SpreadGrid& grid)
{
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    for (int col = 6; col <= 11; ++col) {
        grid.SetCol(col);
        grid.SetColHidden(col <= 8);
    }
}

void frmz통계B::startLoad()
{
    m_regular = m_associate = m_visits = m_new = m_returning = 0;
    for (QLabel* figure : lblNO)
        figure->clear();
    lblNO[0]->setText(QStringLiteral("0 명"));
    lblNO[1]->setText(count(gUnregCallerCnt) + QStringLiteral(" 명"));
    resetGrid(*SPR[0]);
    전송건수[0]->setText(QStringLiteral("/"));
    전송건수[1]->setText(QStringLiteral("/"));
}

bool frmz통계B::fillFromCache(const QString& loader, bool period)
{
    const QString path = AppFile(QStringLiteral("VmrBooking.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kWindow, loader, path);
        return false;
    }
    QVariantList bounds;
    if (period)
        bounds = {기간[0]->date(), 기간[1]->date()};
    const JetSql sql(groupedQuery(period), bounds);
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, sql, dbOpenDynaset)) {
        LogRsOpenError(kWindow, loader, sql.display());
        return false;
    }
    SpreadGrid& grid = *SPR[0];
    grid.SetMaxRows(rs->RecordCount());
    int row = 0;
    for (rs->MoveFirst(); !rs->AtEnd(); rs->MoveNext()) {
        ++row;
        const auto text = [&rs](const QString& field) { return rs->Field(field).toString(); };
        grid.SetText(1, row, text(kNum));
        const QString name = text(kName);
        grid.SetText(3, row, name.isEmpty() ? QStringLiteral("-") : name);
        grid.SetText(4, row, text(kLevel));
        grid.SetText(5, row, shownPhone(text(kPhone)));
        grid.SetText(6, row, text(kSex));
        grid.SetText(7, row, text(kAge));
        grid.SetText(8, row, text(kBirthday));
        const QVariant visitCount = rs->Field(kVisits);
        const QString visits = visitCount.toString();
        const QString total = text(kTotal);
        m_visits += ToLong(visitCount);
        grid.SetText(10, row, visits);
        grid.SetText(11, row, total);
        const OleColor colour = total != visits ? kPurple : VbRGB(0, 0, 0);
        for (int col : {10, 11}) {
            grid.SetCol(col);
            grid.SetRow(row);
            grid.SetForeColor(colour);
        }
        const QString firstVisit = text(kFirstVisit);
        if (firstVisit == text(kEarliest) && !firstVisit.isEmpty()) {
            ++m_new;
        } else {
            ++m_returning;
            grid.SetText(9, row, QStringLiteral("O"));
        }
        grid.SetText(12, row, text(kMemo));
    }
    return true;
}

QString frmz통계B::requestMembers(const QString& text, HttpOutcome* outcome)
{
    QPointer<frmz통계B> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return QString();
    const QString answer = BackendRequest(QStringLiteral("Load_회원검색() ... "), QStringLiteral("/program/SearchMember1.php"))
                               .add(QStringLiteral("textz"), text)
                               .send(outcome);
    if (self)
        picWait->hide();
    return answer;
}

bool frmz통계B::Load_전체예약n회원()
{
    return loadAll([this](HttpOutcome* outcome) { return requestMembers(QString(), outcome); });
}

bool frmz통계B::Load_전체예약n회원(const QString& memberAnswer)
{
    return loadAll([&memberAnswer](HttpOutcome* outcome) {
        *outcome = HttpOutcome::Complete;
        return memberAnswer;
    });
}

bool frmz통계B::loadAll(const std::function<QString(HttpOutcome*)>& members)
{
    m_InResultSearch = false;
    startLoad();
    resetGrid(*SPR[1]);
    if (!fillFromCache(QStringLiteral("Load_전체예약n회원"), false)) {
        finishLoad(true);
        return false;
    }
    const SpreadGrid& grid = *SPR[0];
    m_lookup.clear();
    m_lookup.reserve(grid.MaxRows());
    for (int row = 1; row <= grid.MaxRows(); ++row)
        m_lookup.append(grid.GetText(5, row).remove(u'-'));
    QPointer<frmz통계B> self(this);
    HttpOutcome outcome = HttpOutcome::Failed;
    const QString answer = members(&outcome);
    if (!self || refuseMembers(answer, outcome, true))
        return false;
    Store_회원_전체(answer);
    finishLoad(true);
    return true;
}

bool frmz통계B::refuseMembers(const QString& answer, HttpOutcome outcome, bool all)
{
    if (ListFaultOf(answer, outcome) == ListFault::None)
        return false;
    SPR[0]->SetMaxRows(0);
    SPR[0]->SetReDraw(true);
    if (all) {
        for (QLabel* figure : lblNO)
            figure->clear();
        SPR[1]->SetReDraw(true);
    } else {
        lblNO[0]->clear();
        lblNO[1]->clear();
    }
    lblInfo->clear();
    MsgBox(QStringLiteral("실패! 다시 시도해주세요."), MsgStyle::OkOnly);
    return true;
}

void frmz통계B::Store_회원_전체(const QString& answer)
{
    SpreadGrid& grid = *SPR[0];
    const auto less = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const QList<MemberListRecord> members = ReadMemberList(answer);
    int row = grid.MaxRows();
    grid.SetMaxRows(row + int(members.size()));
    for (const MemberListRecord& member : members) {
        ++(member.name == QStringLiteral("준회원") ? m_associate : m_regular);
        const QString key = QString(member.phone).remove(u'-');
        const auto found = std::lower_bound(m_lookup.cbegin(), m_lookup.cend(), key, less);
        if (found != m_lookup.cend() && found->compare(key, Qt::CaseInsensitive) == 0)
            continue;
        ++row;
        grid.SetText(1, row, member.num);
        grid.SetText(3, row, shownName(member));
        grid.SetText(5, row, shownPhone(key));
        grid.SetText(12, row, member.memo);
    }
    grid.SetMaxRows(row);
    SpreadGrid& copy = *SPR[1];
    copy.SetMaxCols(grid.MaxCols());
    copy.SetMaxRows(grid.MaxRows());
    for (int r = 1; r <= grid.MaxRows(); ++r)
        for (int col = 1; col <= grid.MaxCols(); ++col)
            copy.SetText(col, r, grid.GetText(col, r));
}

bool frmz통계B::Load_예약검색결과()
{
    startLoad();
    const bool filled = fillFromCache(QStringLiteral("Load_예약검색결과"), true);
    finishLoad(false);
    return filled;
}

void frmz통계B::finishLoad(bool all)
{
    SpreadGrid& grid = *SPR[0];
    if (all) {
        lblNO[0]->setText(count(m_regular) + QStringLiteral("명"));
        lblNO[1]->setText(count(m_associate) + QStringLiteral("명"));
    }
    const int rows = grid.MaxRows();
    lblNO[2]->setText(count(rows) + QStringLiteral(" 명"));
    lblNO[3]->setText(withRatio(m_visits, QStringLiteral("회"), gUnregCallerCnt));
    lblNO[4]->setText(withRatio(m_new, QStringLiteral("명"), gUnregCallerCnt));
    lblNO[5]->setText(withRatio(m_returning, QStringLiteral("명"), gUnregCallerCnt));
    grid.SetReDraw(true);
    grid.SetActiveCell(3, 1);
    lblInfo->setText(QStringLiteral("검색된 회원 (확정, 완료 중): ") + count(rows) + QStringLiteral("명"));
    if (all) {
        SPR[1]->SetReDraw(true);
        SPR[1]->SetActiveCell(3, 1);
    }
}

bool frmz통계B::Load_회원검색(const QString& text)
{
    SpreadGrid& grid = *SPR[0];
    grid.SetMaxRows(0);
    grid.SetReDraw(false);
    for (int col = 6; col <= 11; ++col) {
        grid.SetCol(col);
        grid.SetColHidden(col >= 9);
    }
    QPointer<frmz통계B> self(this);
    HttpOutcome outcome = HttpOutcome::Failed;
    const QString answer = requestMembers(text, &outcome);
    if (!self || refuseMembers(answer, outcome, false))
        return false;
    const QList<MemberListRecord> members = ReadMemberList(answer);
    int regular = 0;
    int associate = 0;
    grid.SetMaxRows(int(members.size()));
    for (int i = 0; i < members.size(); ++i) {
        const MemberListRecord& member = members[i];
        ++(member.name == QStringLiteral("준회원") ? associate : regular);
        const int row = i + 1;
        grid.SetText(1, row, member.num);
        grid.SetText(3, row, shownName(member));
        grid.SetText(5, row, shownPhone(member.phone));
        grid.SetText(8, row, member.birthday);
        grid.SetText(6, row, member.sex);
        grid.SetText(12, row, member.memo);
    }
    grid.SetReDraw(true);
    if (grid.MaxRows() >= 1)
        grid.SetActiveCell(3, 1);
    lblInfo->setText(QStringLiteral("등록된 회원: ") + count(grid.MaxRows()) + QStringLiteral("명"));
    lblNO[0]->setText(count(regular) + QStringLiteral("명"));
    lblNO[1]->setText(count(associate) + QStringLiteral("명"));
    return true;
}
