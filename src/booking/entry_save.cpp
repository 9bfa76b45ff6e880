#include "booking/entry_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/button_guard.h"
#include "core/converters.h"
#include "core/jet_database.h"
#include "core/jet_failure_log.h"
#include "core/jet_recordset.h"
#include "core/jet_sql.h"
#include "core/phone.h"
#include "core/text_escapes.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "platform/placeholder_box.h"
#include "platform/program_folder.h"
#include "server/cache_dates.h"
#include "server/cached_span.h"
#include "server/reservation_cache.h"
#include "server/reservation_entry_formats.h"
#include "server/server_globals.h"
#include "server/reservation_row_refresh.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QDateEdit>
#include <QPointer>

// The buttons of the entry window and the save sequence: the start-time and overlap checks, the
// registration of a new customer, the new reservation or the field edits, cancel and no-show.

namespace {

const QString kWindow = QStringLiteral("frmB예약_등록B");
const QString kFailed = QStringLiteral("실패! 다시 시도해주세요.");

// The stored span and the new one meet: the new start lies within the stored span, or the new
// end strictly inside it, or either holds the other. Spans that only touch do not meet.
bool spansMeet(const CachedSpan& stored, const QDateTime& S, const QDateTime& E)
{
    const QDateTime& s1 = stored.start;
    const QDateTime& e1 = stored.end;
    return (s1 <= S && S < e1) || (s1 < E && E < e1) || (S < e1 && s1 < E);
}

// The table names of a stored list: the items at the even positions.
QStringList tableNames(const QString& tables)
{
    QStringList names;
    const QStringList items = tables.split(';');
    for (qsizetype i = 0; i < items.size(); i += 2)
        names.append(items[i]);
    return names;
}

struct Look {
    QColor text;
    QColor face;
};

} // namespace

void frmB예약_등록B::connectButtonLooks()
{
    auto connectLooks = [this](PanelButton* b, const Look& pressed, const Look& normal) {
        auto apply = [b](const Look& look) {
            if (!b->isEnabled())
                return;
            b->setTextColor(look.text);
            b->setFaceColor(look.face);
        };
        QObject::connect(b, &PanelButton::mouseDown, this, [apply, pressed] { apply(pressed); });
        QObject::connect(b, &PanelButton::mouseUp, this, [apply, normal] { apply(normal); });
    };
    const QColor blue(0, 141, 238);
    for (PanelButton* b : CMD)
        connectLooks(b, {blue, Qt::white}, {Qt::white, blue});
    for (PanelButton* b : CMD2)
        connectLooks(b, {QColor(0, 112, 192), QColor(179, 213, 234)},
                     {b->index() == 0 ? QColor(0, 112, 192) : QColor(192, 192, 192), Qt::white});
    for (PanelButton* b : CMD3)
        connectLooks(b, {QColor(128, 128, 128), Qt::white}, {Qt::white, QColor(128, 128, 128)});
}

void frmB예약_등록B::showWait()
{
    picWait->raise();
    picWait->show();
    QCoreApplication::processEvents();
}

void frmB예약_등록B::hideEnd(ButtonGuard& guard)
{
    guard.release();
    hide();
}

void frmB예약_등록B::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    QPointer<frmB예약_등록B> self(this);
    switch (index) {
    case 0:
        if (txtA[0]->text() == txtA[0]->toolTip())
            txtA[0]->clear();
        if (IsNewMember())
            registerFromPanelA();
        else if (회원정보A_Save() && self)
            ReloadMember();
        break;
    case 1:
        if (회원정보B_탈퇴() && self)
            ReloadMember();
        break;
    case 2:
        saveMemberPanelB(guard);
        break;
    case 3:
        picFrame[4]->hide();
        picFrame[3]->show();
        break;
    case 4:
        saveReservation(guard);
        break;
    default:
        break;
    }
}

// Panel B's save: registers a new associate member and searches it, or saves the member's cars and
// record and reloads it. A window opened for the member hides afterwards.
void frmB예약_등록B::saveMemberPanelB(ButtonGuard& guard)
{
    QPointer<frmB예약_등록B> self(this);
    if (lbl회원모드->text() == QStringLiteral("회원등록")) {
        if (BoxValue(*txtB[0]).isEmpty() || SplitPhone(BoxValue(*txtB[1])).kind == PhoneParts::NotPhone) {
            MsgBox(QStringLiteral("이름과 휴대번호는 필수항목입니다!"), MsgStyle::Information);
            return;
        }
        준회원등록();
        QCoreApplication::processEvents();
        if (!self)
            return;
        txtS[0]->setText(QString(txtB[1]->text()).remove('-'));
        CMD2_Click(0);
    } else {
        회원정보BC_Save(0);
        if (self && 회원정보B_Save() && self)
            ReloadMember();
    }
    if (self && m_ModeA == 3)
        hideEnd(guard);
}

void frmB예약_등록B::CMD3_Click(int index)
{
    if (!CMD3[index]->caption().isEmpty())
        txt매니저명->setText(CMD3[index]->caption());
}

void frmB예약_등록B::saveReservation(ButtonGuard& guard)
{
    QPointer<frmB예약_등록B> self(this);
    if ((m_ModeA == 0 || m_ModeA == 1) && !endAfterStart())
        return;
    bool confirmed = false;
    if (시간_체크()) {
        const int answer = MsgBox(QStringLiteral("예약가능시간이 아닙니다!\r\n\r\n그래도 등록하시겠습니까?"), MsgStyle::YesNo);
        if (!self || answer != MsgResult::Yes)
            return;
        confirmed = true;
    }
    const bool hasTable = std::any_of(cob좌석Box.begin(), cob좌석Box.end(),
                                      [](const QComboBox* combo) { return combo->currentIndex() > 0; });
    if (hasTable) {
        const bool taken = 중복_체크();
        if (!self)
            return;
        if (taken) {
            MsgBox(QStringLiteral("중복되었습니다!\r\n\r\n예약정보를 확인해주세요."));
            return;
        }
    }
    if (txtA[0]->text() == txtA[0]->toolTip())
        txtA[0]->clear();
    if (m_ModeA == 0) {
        if (IsNewMember() && (!registerFromPanelA() || !self))
            return;
        if (!예약등록(confirmed) || !self)
            return;
        회원정보BC_Save(1);
        if (self)
            hideEnd(guard);
    } else if (m_ModeA == 1) {
        if (!editChain() || !self)
            return;
        회원정보BC_Save(1);
        if (!self)
            return;
        MDB_Update_예약(m_MemNumT, m_CurBkNumT, QString(txt연락처->text()).remove('-'));
        if (self)
            hideEnd(guard);
    }
}

// An end that does not lie after the start is refused before anything is sent, the message naming
// the end as the window holds it, its date included.
bool frmB예약_등록B::endAfterStart()
{
    const QDateTime end = chosenEnd();
    if (end > chosenStart())
        return true;
    MsgBox(QStringLiteral("종료시간(") + end.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
           + QStringLiteral(")이 예약시간보다 늦어야 합니다.\r\n\r\n종료일시를 확인해주세요."));
    return false;
}

// The edits in their order, stopping at the first refusal, which staff are told of; true when
// none was refused.
bool frmB예약_등록B::editChain()
{
    QPointer<frmB예약_등록B> self(this);
    const std::array<int (frmB예약_등록B::*)(), 8> edits{
        &frmB예약_등록B::예약수정_이름,   &frmB예약_등록B::예약수정_예약일시, &frmB예약_등록B::예약수정_종료일시,
        &frmB예약_등록B::예약수정_좌석,   &frmB예약_등록B::예약수정_인원,     &frmB예약_등록B::예약수정_모임명,
        &frmB예약_등록B::예약수정_요청사항, &frmB예약_등록B::예약수정_매니저명};
    for (auto edit : edits) {
        const int result = (this->*edit)();
        if (!self)
            return false;
        if (result < 0) {
            MsgBox(kFailed);
            return false;
        }
    }
    return true;
}

// Registers the customer of panel A as an associate member and searches it by its phone; true
// when the search found it. A phone box that holds no phone number counts as empty.
bool frmB예약_등록B::registerFromPanelA()
{
    QPointer<frmB예약_등록B> self(this);
    for (PlaceholderBox* box : txtA) {
        const QString value = BoxValue(*box);
        if (box == txtA[0] ? !value.isEmpty() : SplitPhone(value).kind != PhoneParts::NotPhone)
            continue;
        MsgBox(box == txtA[0] ? QStringLiteral("이름은 필수항목입니다!") : QStringLiteral("휴대번호는 필수항목입니다!"),
               MsgStyle::Information);
        QCoreApplication::processEvents();
        if (self)
            box->setFocus();
        return false;
    }
    const QString phone = txtA[1]->text();
    준회원등록B();
    if (!self)
        return false;
    txtS[0]->setText(phone);
    m_SearchKeepsBooking = true;
    회원검색A(false);
    if (!self)
        return false;
    m_SearchKeepsBooking = false;
    QCoreApplication::processEvents();
    if (!self)
        return false;
    if (BoxValue(*txtA[0]).isEmpty()) {
        MsgBox(QStringLiteral("준회원 등록에 실패했습니다!"), MsgStyle::Information);
        return false;
    }
    return true;
}

bool frmB예약_등록B::준회원등록B()
{
    QPointer<frmB예약_등록B> self(this);
    showWait();
    if (!self)
        return false;
    BackendRequest(QStringLiteral("준회원_등록B() ... "), QStringLiteral("/program/RecommendPhoneShopMoveNoSMS.php"))
        .withSuffix(QStringLiteral("_WinHttp_4"))
        .add(QStringLiteral("phonet"), QString(txtA[1]->text()).remove('-'))
        .add(QStringLiteral("name2"), txtA[0]->text())
        .add(QStringLiteral("SavingText"), QStringLiteral("0"))
        .addEscaped(QStringLiteral("memotext"), VmrEncodeAA(txtA2[0]->text()))
        .send();
    if (self)
        picWait->hide();
    return true;
}

bool frmB예약_등록B::시간_체크() const
{
    const QDateTime start(예약일Box->date(), QTime(ToLong(예약시Box->currentText()), ToLong(예약분Box->currentText())));
    return start.isValid() && start < CurrentClock().now();
}

// A chosen table taken at the chosen time by a stored reservation, the times compared as whole
// moments. After the reload of the chosen day, the rows read are those of the evening before up to
// the day of the chosen end, so that a stay across midnight meets the stays of either side; each
// table name is compared exactly, and in an edit the reservation in hand is skipped.
bool frmB예약_등록B::중복_체크()
{
    const QDate day = 예약일Box->date();
    const QDateTime start = chosenStart();
    const QDateTime end = chosenEnd();
    QPointer<frmB예약_등록B> self(this);
    Load_예약_DAY(day.toString(QStringLiteral("yyyy-MM-dd")));
    if (!self)
        return false;
    QStringList chosen;
    for (const QComboBox* combo : cob좌석Box)
        if (!combo->currentText().isEmpty())
            chosen.append(combo->currentText());
    const QString procedure = QStringLiteral("중복_체크");
    const QString path = AppFile(QStringLiteral("VmrBooking.mdb"));
    JetDbPtr db;
    if (!JetOpenDB(db, path)) {
        LogDbOpenError(kWindow, procedure, path);
        return false;
    }
    const JetSql select(QStringLiteral("SELECT * FROM 예약 WHERE 방문일 BETWEEN ? AND ?"),
                        {day.addDays(-1), qMax(day, end.date())});
    JetRsPtr rs;
    if (!JetOpenRST(*db, rs, select, dbOpenDynaset)) {
        LogRsOpenError(kWindow, procedure, select.display());
        return false;
    }
    const QString skipped = m_ModeA == 1 ? m_CurBkNumT : QString();
    for (rs->MoveFirst(); !rs->AtEnd(); rs->MoveNext()) {
        if (!skipped.isEmpty() && rs->Field(QStringLiteral("NUM")).toString() == skipped)
            continue;
        const CachedSpan stored = CachedSpanOf(rs->Field(QStringLiteral("예약일시")).toString(),
                                               rs->Field(QStringLiteral("종료일시")).toString());
        if (!stored.start.isValid() || !spansMeet(stored, start, end))
            continue;
        for (const QString& name : tableNames(rs->Field(QStringLiteral("좌석")).toString()))
            if (chosen.contains(name))
                return true;
    }
    return false;
}

QDateTime frmB예약_등록B::chosenStart() const
{
    return ReadCacheMoment(PickedMoment(예약일Box->date(), 예약시Box->currentText(), 예약분Box->currentText()));
}

QDateTime frmB예약_등록B::chosenEnd() const
{
    return ReadCacheMoment(PickedMoment(종료일Box->date(), 종료시Box->currentText(), 종료분Box->currentText()));
}

// Cancel asks first; both post the state change and drop the cached row. With no reservation in
// hand nothing is sent; a change the backend did not accept keeps the row and the window.
void frmB예약_등록B::cancelOrNoShow(ButtonGuard& guard, bool cancel)
{
    QPointer<frmB예약_등록B> self(this);
    if (cancel && (MsgBox(QStringLiteral("예약을 취소하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes || !self))
        return;
    if (!m_CurBkNumT.isEmpty()) {
        const bool accepted = cancel ? changeState(QStringLiteral("예약취소"), QStringLiteral("X"), QStringLiteral("취소"))
                                     : changeState(QStringLiteral("예약노쇼"), QStringLiteral("noshow"), QStringLiteral("노쇼"));
        if (!self)
            return;
        if (!accepted) {
            MsgBox(kFailed);
            return;
        }
        MDB_Delete_예약(m_CurBkNumT);
        if (!self)
            return;
    }
    hideEnd(guard);
}

// 예약취소 and 예약노쇼: true when the backend answered with success.
bool frmB예약_등록B::changeState(const QString& procedure, const QString& state, const QString& reason)
{
    QPointer<frmB예약_등록B> self(this);
    showWait();
    if (!self)
        return false;
    const QString answer =
        BackendRequest(procedure + QStringLiteral("() ... "), QStringLiteral("/Admin/zzimstatechangeYN.php"))
            .add(QStringLiteral("zzimnum"), m_CurBkNumT)
            .add(QStringLiteral("YNt"), state)
            .add(QStringLiteral("reason"), reason)
            .add(QStringLiteral("table"), QString())
            .send();
    if (self)
        picWait->hide();
    return IsSuccessAnswer(answer);
}
