#include "customer/entry_member_side.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/text_escapes.h"
#include "platform/crlf_text_box.h"
#include "platform/message_box.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"

#include <QCoreApplication>
#include <QPointer>

// The member's saves from the entry window: panel A or B, the car numbers, the withdrawal and the
// registration of panel B's person as an associate member.

namespace {

const QString kFailed = QStringLiteral("실패! 다시 시도해주세요.");
const QString kKept = QStringLiteral("유지");
const QString kCreated = QStringLiteral("생성");

QString withoutHyphens(QString text)
{
    return text.remove('-');
}

void emptyPlaceholder(PlaceholderBox& box)
{
    if (box.text() == box.toolTip())
        box.clear();
}

QString snsBlock(const QString& i, const QString& f, const QString& b, const QString& e)
{
    return " snsi[" + i + "]snsi snsf[" + f + "]snsf snsb[" + b + "]snsb snse[" + e + "]snse";
}

// One car request; true when the answer holds "완료".
bool carRequest(const QString& label, const QString& path, const QString& memberNumber,
                const std::pair<QString, QString>& car)
{
    const QString answer =
        BackendRequest(label, path).add(QStringLiteral("numt"), memberNumber).add(car.first, car.second).send();
    return answer.contains(QStringLiteral("완료"));
}

} // namespace

void EntryMemberSide::ReloadMember()
{
    const QString number = m_MemNumT;
    회원정보AB_Clear();
    회원정보AB_NumT(number, false);
}

// Marks each loaded car a box still shows as kept and appends each number new to the member once.
// Loaded cars that no box shows are kept.
void EntryMemberSide::markCars(const std::array<PlaceholderBox*, 3>& boxes, int loaded)
{
    for (int r = 0; r < loaded; ++r)
        m_Car[r][2] = r >= m_ShownCars ? kKept : QString();
    for (PlaceholderBox* box : boxes) {
        emptyPlaceholder(*box);
        const QString number = box->text();
        if (number.isEmpty())
            continue;
        auto same = [&](const std::array<QString, 3>& car) { return car[1] == number; };
        const auto found = std::find_if(m_Car.begin(), m_Car.begin() + loaded, same);
        if (found != m_Car.begin() + loaded)
            (*found)[2] = kKept;
        else if (std::none_of(m_Car.begin() + loaded, m_Car.end(), same))
            m_Car.append(std::array<QString, 3>{QString(), number, kCreated});
    }
}

void EntryMemberSide::회원정보BC_Save(int kind)
{
    if (m_MemNumT.isEmpty())
        return;
    const std::array<PlaceholderBox*, 3> boxes =
        kind == 0 ? std::array<PlaceholderBox*, 3>{txtB[5], txtB[6], txtB[7]} : txtC;
    QPointer<QWidget> window(&EntryWindow());
    const QString member = m_MemNumT;
    const int loaded = int(m_Car.size());
    markCars(boxes, loaded);
    QList<std::array<QString, 3>> shown;
    QList<std::array<QString, 3>> unshown;
    for (int r = 0; r < m_Car.size(); ++r) {
        const std::array<QString, 3> car = m_Car[r];
        bool keep = true;
        if (car[2] == kCreated)
            keep = 회원정보_차량추가(member, car[1]);
        else if (car[2].isEmpty() && !car[0].isEmpty())
            keep = !회원정보_차량삭제(member, car[0]);
        if (!window)
            return;
        if (keep)
            (r >= m_ShownCars && r < loaded ? unshown : shown).append(std::array<QString, 3>{car[0], car[1], QString()});
    }
    m_ShownCars = int(shown.size());
    m_Car = shown + unshown;
    m_CarCount = int(m_Car.size());
}

bool EntryMemberSide::회원정보_차량삭제(const QString& memberNumber, const QString& recordNumber)
{
    return carRequest(QStringLiteral("회원정보_차량삭제(1) ... "), QStringLiteral("/vbPHP/MemberCarDelete.php"),
                      memberNumber, {QStringLiteral("deletenum"), recordNumber});
}

bool EntryMemberSide::회원정보_차량추가(const QString& memberNumber, const QString& carNumber)
{
    return carRequest(QStringLiteral("회원정보_차량추가(1) ... "), QStringLiteral("/vbPHP/MemberCarADD.php"),
                      memberNumber, {QStringLiteral("carnumber"), carNumber});
}

bool EntryMemberSide::회원정보B_탈퇴()
{
    if (m_MemNumT.isEmpty())
        return true;
    QPointer<QWidget> window(&EntryWindow());
    const QString member = m_MemNumT;
    if (MsgBox(QStringLiteral("해당회원을 탈퇴처리 하시겠습니까?\r\n탈퇴하면 보유한 쿠폰, 포인트가 모두 소멸됩니다."),
               MsgStyle::YesNo) != MsgResult::Yes || !window)
        return true;
    auto withdraw = [&](int step, const QString& path) {
        return BackendRequest("회원정보B_탈퇴(" + QString::number(step) + ") ... ", path)
            .add(QStringLiteral("mnum"), member)
            .send();
    };
    QString answer = withdraw(1, QStringLiteral("/program/memberoutShop.php"));
    if (!window)
        return true;
    if (answer.contains(QStringLiteral("대기있음"))) {
        QString question = QStringLiteral("대기중인 주문건이 있습니다.");
        const QList<std::pair<QString, QString>> counts{{"checkcount", "총 : "},
                                                        {"tolistcount", "포장 : "},
                                                        {"zzimlistcount", "예약 : "},
                                                        {"waitlistcount", "웨이팅 : "},
                                                        {"deliverylistcount", "배달 : "}};
        for (const auto& [name, label] : counts)
            if (const auto count = GetField(answer, name + "[", "]" + name))
                question += "\n" + label + *count + QStringLiteral("개");
        question += QStringLiteral("\r\n탈퇴하면 보유한 쿠폰,포인트,주문건이 모두 소멸됩니다.\r\n\r\n그래도 탈퇴 하시겠습니까?");
        if (MsgBox(question, MsgStyle::YesNo) != MsgResult::Yes || !window)
            return true;
        answer = withdraw(2, QStringLiteral("/program/memberoutShopAdmin.php"));
        if (!window)
            return true;
    }
    if (IsSuccessAnswer(answer))
        return true;
    MsgBox(kFailed);
    return false;
}

bool EntryMemberSide::회원정보A_Save()
{
    const QString name = Trim(txtA[0]->text());
    if (name.isEmpty())
        return true;
    m_MemCarefulT = picA[0]->tag() == QStringLiteral("Y") ? QStringLiteral("Y") : QStringLiteral("N");
    return saveMember(QStringLiteral("회원정보A_Save"), name, BoxValue(*txtA2[0]));
}

bool EntryMemberSide::회원정보B_Save()
{
    emptyPlaceholder(*txtB[0]);
    const QString name = Trim(txtB[0]->text());
    if (name.isEmpty())
        return true;
    for (int i : {2, 3, 4})
        emptyPlaceholder(*txtB[i]);
    m_MemAddPhone1T = withoutHyphens(txtB[2]->text());
    m_MemAddPhone2T = withoutHyphens(txtB[3]->text());
    m_MemAddPhone3T = withoutHyphens(txtB[4]->text());
    return saveMember(QStringLiteral("회원정보B_Save"), name, BoxValue(*txtB2[0]));
}

// The whole record: the panel's name and memo, every other field as loaded. With no member in
// hand nothing is sent.
bool EntryMemberSide::saveMember(const QString& procedure, const QString& name, const QString& memo)
{
    QPointer<QWidget> window(&EntryWindow());
    if (m_MemNumT.isEmpty()) {
        MsgBox(kFailed);
        return false;
    }
    picWait->raise();
    picWait->show();
    QCoreApplication::processEvents();
    if (!window)
        return false;
    const QString answer = BackendRequest(procedure + QStringLiteral("() ... "), QStringLiteral("/program/MemberInfoEdit.php"))
                               .add(QStringLiteral("numt"), m_MemNumT)
                               .add(QStringLiteral("name"), name)
                               .add(QStringLiteral("levelname"), m_MemLevelT)
                               .add(QStringLiteral("levelfrozen"), m_MemLevelFrozenT)
                               .add(QStringLiteral("levelnum"), m_MemLevelNumT)
                               .addEscaped(QStringLiteral("memot"), VmrEncodeAA(memo))
                               .add(QStringLiteral("denyt"), m_MemDenyT)
                               .add(QStringLiteral("pointcheck"), m_MemPointCheckT)
                               .add(QStringLiteral("snst"), snsBlock(m_MemSnsIT, m_MemSnsFT, m_MemSnsBT, m_MemSnsET))
                               .add(QStringLiteral("name2"), m_MemName2T)
                               .add(QStringLiteral("lastzzimnames"), m_MemLastZzimNamesT)
                               .add(QStringLiteral("add_phone1"), m_MemAddPhone1T)
                               .add(QStringLiteral("add_phone2"), m_MemAddPhone2T)
                               .add(QStringLiteral("add_phone3"), m_MemAddPhone3T)
                               .add(QStringLiteral("careful"), m_MemCarefulT)
                               .send();
    if (!window)
        return false;
    picWait->hide();
    if (IsSuccessAnswer(answer))
        return true;
    MsgBox(kFailed);
    return false;
}

bool EntryMemberSide::준회원등록()
{
    for (int i = 0; i <= 4; ++i)
        emptyPlaceholder(*txtB[i]);
    BackendRequest(QStringLiteral("준회원등록() ... "), QStringLiteral("/program/RecommendPhoneShopMoveNoSMS.php"))
        .withSuffix(QStringLiteral("_WinHttp_4"))
        .add(QStringLiteral("phonet"), withoutHyphens(txtB[1]->text()))
        .add(QStringLiteral("name2"), txtB[0]->text())
        .add(QStringLiteral("SavingText"), QStringLiteral("0"))
        .addEscaped(QStringLiteral("memotext"), VmrEncodeAA(BoxValue(*txtB2[0])))
        .add(QStringLiteral("add_phone1"), withoutHyphens(txtB[2]->text()))
        .add(QStringLiteral("add_phone2"), withoutHyphens(txtB[3]->text()))
        .add(QStringLiteral("add_phone3"), withoutHyphens(txtB[4]->text()))
        .send();
    return true;
}
