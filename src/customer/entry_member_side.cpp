#include "customer/entry_member_side.h"

#include "core/backend_request.h"
#include "core/converters.h"
#include "core/number_format.h"
#include "core/phone.h"
#include "core/screen_values.h"
#include "core/text_escapes.h"
#include "customer/member_answers.h"
#include "customer/member_grids.h"
#include "platform/crlf_text_box.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

const std::array<QString, 8> kMemberPanelBPlaceholders{
    QStringLiteral("이름을 입력하세요"),   QStringLiteral("휴대번호 (필수)"),   QStringLiteral("전화번호1 (필요시)"),
    QStringLiteral("전화번호2 (필요시)"), QStringLiteral("전화번호3 (필요시)"), QStringLiteral("차량번호1 (필요시)"),
    QStringLiteral("차량번호2 (필요시)"), QStringLiteral("차량번호3 (필요시)")};
const QString kMemberMemoPlaceholder = QStringLiteral("고객회사 / 직함 / 특징등 메모 입력");
const std::array<QString, 3> kCarPlaceholders{QStringLiteral("차량번호1 (필요시)"), QStringLiteral("차량번호2 (필요시)"),
                                              QStringLiteral("차량번호3 (필요시)")};

namespace {

const QString kNewMember = QStringLiteral("신규 회원");
const QColor kPlaceholderGrey(224, 224, 224);
const QColor kFilledBlue(0, 112, 192);

QString displayPhone(const QString& phone)
{
    const QString shown = FormatPhoneMasked(phone, false);
    return shown.isEmpty() ? phone : shown;
}

void showWait(QWidget* picWait)
{
    picWait->raise();
    picWait->show();
    QCoreApplication::processEvents();
}

// An empty box shows its placeholder in grey, a filled one the filled colour.
void refreshBox(PlaceholderBox& box, const QColor& filled)
{
    if (box.text().isEmpty()) {
        box.showPlaceholder(box.toolTip());
        box.setTextColor(kPlaceholderGrey);
    } else {
        box.setTextColor(filled);
    }
}

void setLook(QLabel& label, const QFont& font, const QColor& color)
{
    label.setFont(font);
    SetForeColor(label, color);
}

} // namespace

bool EntryMemberSide::IsNewMember() const
{
    return lb직전예약->text() == kNewMember;
}

void EntryMemberSide::ShowNewMemberLook()
{
    setLook(*lb직전예약, QFont(QStringLiteral("여기어때 잘난체"), 18), QColor(175, 0, 14));
    lb직전예약->setText(kNewMember);
}

void EntryMemberSide::ShowPlainMemberLook()
{
    setLook(*lb직전예약, QFont(QStringLiteral("나눔고딕"), 12), Qt::black);
}

void EntryMemberSide::clearMemberState()
{
    m_MemNumT.clear();
    m_MemPhoneT.clear();
    m_MemNameT.clear();
    m_MemDenyT = QStringLiteral("N");
    m_MemLevelT.clear();
    m_MemLevelFrozenT.clear();
    m_MemLevelNumT.clear();
    m_MemMemoT.clear();
    m_MemPointCheckT = QStringLiteral("N");
    m_MemSnsIT = m_MemSnsFT = m_MemSnsBT = m_MemSnsET = QStringLiteral("N");
    m_MemName2T.clear();
    m_MemLastZzimNamesT.clear();
    m_MemAddPhone1T.clear();
    m_MemAddPhone2T.clear();
    m_MemAddPhone3T.clear();
    m_MemCarefulT = QStringLiteral("N");
    m_CarCount = 0;
    m_Car.clear();
    m_ShownCars = 0;
}

bool EntryMemberSide::회원정보AB_Clear()
{
    clearMemberState();
    for (PlaceholderBox* box : txtA) {
        box->clear();
        box->setTag(QString());
    }
    txtA2[0]->setText(QString());
    txtA2[0]->setTag(QString());
    picA[0]->showPicture(ImgBtn, 1);
    picA[0]->setTag(QStringLiteral("N"));
    txtA[0]->setToolTip(QStringLiteral("이름 입력"));
    for (int i = 0; i < int(txtB.size()); ++i) {
        txtB[i]->clear();
        txtB[i]->setTag(QString());
        txtB[i]->setToolTip(kMemberPanelBPlaceholders[i]);
        SetBackColor(*txtB[i], Qt::white);
        txtB[i]->setTextColor(kPlaceholderGrey);
    }
    txtB2[0]->setText(QString());
    txtB2[0]->setTag(QString());
    txtB2[0]->setToolTip(kMemberMemoPlaceholder);
    SetBackColor(*txtB2[0], Qt::white);
    SetForeColor(*txtB2[0], kPlaceholderGrey);
    for (int i = 0; i < int(txtC.size()); ++i) {
        txtC[i]->clear();
        txtC[i]->setTag(QString());
        txtC[i]->setToolTip(kCarPlaceholders[i]);
        SetBackColor(*txtC[i], Qt::white);
        txtC[i]->setTextColor(kPlaceholderGrey);
    }
    for (QLabel* label : {lb직전예약, lb총예약수, lb총예약인원, lb예약취소, lb노쇼})
        label->clear();
    ShowPlainMemberLook();
    txt연락처->clear();
    txt성함Box->clear();
    return true;
}

bool EntryMemberSide::회원검색A(bool)
{
    회원정보AB_Clear();
    picFrame[2]->hide();
    picFrame[1]->hide();
    picFrame[0]->show();
    QPointer<QWidget> window(&EntryWindow());
    SpreadGrid& list = *SPR[0];
    QString lastNumber;
    if (!IsBlankOrPlaceholder(*txtS[0])) {
        list.SetMaxRows(0);
        list.SetReDraw(false);
        showWait(picWait);
        if (!window)
            return false;
        const QString answer =
            BackendRequest(QStringLiteral("회원검색A() ... "), QStringLiteral("/program/SearchMember1.php"))
                .add(QStringLiteral("textz"), txtS[0]->text())
                .send();
        if (!window)
            return false;
        picWait->hide();
        const QList<MemberListRecord> members = ReadMemberList(answer);
        FillMemberListGrid(list, members);
        if (!members.isEmpty())
            lastNumber = members.last().num;
    }
    list.SetReDraw(true);
    if (list.MaxRows() == 0) {
        settleOnNobody();
        return true;
    }
    list.SetRow(1);
    list.SetActiveCell(3, 1);
    if (list.MaxRows() == 1) {
        m_MemNumT = lastNumber;
        QCoreApplication::processEvents();
        if (!window)
            return false;
        회원정보AB_NumT(m_MemNumT, false);
        if (!window)
            return false;
        예약이력A(m_MemNumT);
        if (!window)
            return false;
        if (EntryMode() == 0 && !m_SearchKeepsBooking) {
            예약등록_초기화();
            종료시간_계산();
        } else if (EntryMode() == 1) {
            Load_예약데이터();
        }
        if (!window)
            return false;
    }
    txtS[0]->clear();
    return true;
}

void EntryMemberSide::settleOnNobody()
{
    QPointer<QWidget> window(&EntryWindow());
    const QString text = Trim(BoxValue(*txtS[0]));
    ShowNewMemberLook();
    if (m_SearchOpensReservation && EntryMode() == 1 && !ReservationInHand().isEmpty()) {
        txt연락처->setText(QString(text).remove('-'));
        Load_예약데이터();
    } else {
        SetEntryMode(0);
        if (!m_SearchKeepsBooking) {
            예약등록_초기화();
            종료시간_계산();
        }
    }
    if (!window)
        return;
    txtS[0]->clear();
    const bool isPhone = SplitPhone(text).kind > 0;
    PlaceholderBox* target = txtA[isPhone ? 1 : 0];
    PlaceholderBox* next = txtA[isPhone ? 0 : 1];
    target->setText(text);
    QCoreApplication::processEvents();
    if (window)
        next->setFocus();
}

void EntryMemberSide::회원정보AB_NumT(const QString& memberNumber, bool)
{
    if (memberNumber.isEmpty())
        return;
    QPointer<QWidget> window(&EntryWindow());
    const QString answer =
        BackendRequest(QStringLiteral("회원정보AB_NumT(1) ... "), QStringLiteral("/program/SearchMember1Detail2.php"))
            .add(QStringLiteral("numt"), memberNumber)
            .send();
    if (!window)
        return;
    const std::optional<MemberDetail> member = ReadMemberDetail(answer);
    if (!member)
        return;
    m_MemNumT = memberNumber;
    storeMember(*member);
    loadCars(memberNumber);
    if (!window)
        return;
    showMember();
    refreshPanelBLook();
}

void EntryMemberSide::storeMember(const MemberDetail& member)
{
    m_MemPhoneT = member.phoneDigits;
    m_MemNameT = member.name;
    m_MemMemoT = member.memo;
    m_MemLevelT = member.level;
    m_MemLevelFrozenT = member.levelFrozen;
    if (!member.levelNum.isEmpty())
        m_MemLevelNumT = member.levelNum;
    m_MemDenyT = member.deny;
    m_MemPointCheckT = member.pointCheck;
    m_MemSnsIT = member.snsI;
    m_MemSnsFT = member.snsF;
    m_MemSnsBT = member.snsB;
    m_MemSnsET = member.snsE;
    m_MemName2T = member.name2;
    m_MemLastZzimNamesT = member.lastZzimNames;
    m_MemAddPhone1T = member.addPhone1;
    m_MemAddPhone2T = member.addPhone2;
    m_MemAddPhone3T = member.addPhone3;
    m_MemCarefulT = member.careful;
}

void EntryMemberSide::loadCars(const QString& memberNumber)
{
    QPointer<QWidget> window(&EntryWindow());
    const QString answer =
        BackendRequest(QStringLiteral("회원정보AB_NumT(2) ... "), QStringLiteral("/vbPHP/MemberCarLoad.php"))
            .add(QStringLiteral("numt"), memberNumber)
            .send();
    if (!window)
        return;
    const auto cars = ReadMemberCars(answer);
    if (!cars)
        return;
    m_CarCount = int(cars->size());
    m_Car.clear();
    for (const MemberCar& car : *cars) {
        if (car.number.isEmpty())
            m_Car.append(std::array<QString, 3>{});
        else
            m_Car.append(std::array<QString, 3>{car.number, car.carNumber, QString()});
    }
    m_ShownCars = qMin(m_CarCount, int(txtC.size()));
}

void EntryMemberSide::showMember()
{
    txtA[0]->setText(m_MemNameT);
    txtA[1]->setText(displayPhone(m_MemPhoneT));
    txtA2[0]->setText(VmrDecodeAA(m_MemMemoT));
    picA[0]->setTag(m_MemCarefulT);
    picA[0]->showPicture(ImgBtn, m_MemCarefulT == QStringLiteral("N") ? 1 : 2);
    txt연락처->setText(m_MemPhoneT);
    txt성함Box->setText(m_MemNameT);
    txtB[0]->setText(m_MemNameT);
    txtB[1]->setText(displayPhone(m_MemPhoneT));
    txtB[2]->setText(displayPhone(m_MemAddPhone1T));
    txtB[3]->setText(displayPhone(m_MemAddPhone2T));
    txtB[4]->setText(displayPhone(m_MemAddPhone3T));
    txtB2[0]->setText(txtA2[0]->text());
    for (int r = 0; r < m_CarCount && r < int(txtC.size()); ++r) {
        txtB[5 + r]->setText(m_Car[r][1]);
        txtC[r]->setText(m_Car[r][1]);
    }
}

void EntryMemberSide::refreshPanelBLook()
{
    for (int i = 0; i < int(txtB.size()); ++i)
        refreshBox(*txtB[i], i == 1 ? kFilledBlue : QColor(Qt::black));
    CrLfTextBox& memo = *txtB2[0];
    if (memo.text().isEmpty()) {
        memo.setText(memo.toolTip());
        SetForeColor(memo, kPlaceholderGrey);
    } else {
        SetForeColor(memo, kFilledBlue);
    }
    SetBackColor(memo, Qt::white);
    for (PlaceholderBox* box : txtC)
        refreshBox(*box, kFilledBlue);
}

bool EntryMemberSide::예약이력A(const QString& memberNumber)
{
    picFrame[2]->hide();
    picFrame[0]->hide();
    picFrame[1]->show();
    SpreadGrid& grid = *SPR[1];
    grid.SetMaxRows(0);
    grid.SetReDraw(false);
    QPointer<QWidget> window(&EntryWindow());
    if (!memberNumber.isEmpty()) {
        showWait(picWait);
        if (!window)
            return false;
        const QString answer =
            BackendRequest(QStringLiteral("예약이력A() ... "), QStringLiteral("/program/SearchZZimLoading.php"))
                .add(QStringLiteral("numt"), memberNumber)
                .send();
        if (!window)
            return false;
        picWait->hide();
        const MemberHistory history = ReadMemberHistory(answer);
        lb총예약수->setText(history.totalCount);
        lb총예약인원->setText(history.totalPersons);
        lb직전예약->setText(history.recent);
        lb노쇼->setText(history.noShows);
        FillHistoryGrid(grid, history);
        lb예약취소->setText(FormatNumber(history.cancelled, QStringLiteral("#,###")));
    }
    grid.SetReDraw(true);
    if (grid.MaxRows() > 0) {
        const QString inHand = ReservationInHand();
        int row = 1;
        if (!inHand.isEmpty()) {
            row = grid.MaxRows();
            for (int r = 1; r <= grid.MaxRows(); ++r)
                if (grid.GetText(1, r) == inHand) {
                    row = r;
                    break;
                }
        }
        grid.SetActiveCell(4, row);
    }
    return true;
}

void EntryMemberSide::MemberRowClicked(int row)
{
    if (row < 1 || row > SPR[0]->MaxRows())
        return;
    QPointer<QWidget> window(&EntryWindow());
    m_MemNumT = SPR[0]->GetText(1, row);
    const QString number = m_MemNumT;
    회원정보AB_Clear();
    회원정보AB_NumT(number, false);
    if (!window)
        return;
    예약이력A(m_MemNumT);
    if (!window)
        return;
    if (EntryMode() == 0)
        예약등록_초기화();
}
