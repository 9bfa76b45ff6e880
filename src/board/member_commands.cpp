#include "board/board_window.h"

#include "core/converters.h"
#include "platform/message_box.h"
#include "server/member_lookup.h"

#include <QCoreApplication>
#include <QPointer>

// The member panel's commands on the board: a new booking for the member shown, the member edit
// window, and saving the member or registering a new customer as an associate member.

namespace {

const QString kNewMember = QStringLiteral("신규 회원");

void information(const QString& text)
{
    MsgBox(text, MsgStyle::OkOnly + MsgStyle::Information);
}

} // namespace

// After the entry window opened for the member: the member searched again and the board redrawn.
void frmB예약관리::searchMemberAfterEntry(const QString& phone)
{
    QPointer<frmB예약관리> self(this);
    txtS[0]->setText(phone);
    회원검색A(false);
    if (self)
        refreshAfterEntry();
}

void frmB예약관리::예약하기()
{
    QString phone = BoxValue(*txtA[1]);
    if (phone.isEmpty())
        return;
    phone.remove(QChar('-'));
    QPointer<frmB예약관리> self(this);
    회원정보_Load_PhoneT(phone);
    if (!self || mCustNumT().isEmpty())
        return;
    if (openEntryWindow(0, QString(), phone, QString(), QString()))
        searchMemberAfterEntry(phone);
}

void frmB예약관리::회원수정창()
{
    QString phone = BoxValue(*txtA[1]);
    if (phone.isEmpty() || lb직전예약->text() == kNewMember)
        return;
    phone.remove(QChar('-'));
    QPointer<frmB예약관리> self(this);
    회원정보_Load_PhoneT(phone);
    if (!self)
        return;
    if (openEntryWindow(3, QString(), phone, QString(), QString()))
        searchMemberAfterEntry(phone);
}

void frmB예약관리::회원저장()
{
    if (txtA[0]->text() == txtA[0]->toolTip())
        txtA[0]->clear();
    if (txtA2[0]->text() == txtA2[0]->toolTip())
        txtA2[0]->setText(QString());
    if (lb직전예약->text() != kNewMember) {
        QPointer<frmB예약관리> self(this);
        if (회원정보A_Save() && self)
            reloadSavedMember();
        return;
    }
    registerNewMember();
}

void frmB예약관리::reloadSavedMember()
{
    const QString number = mCustNumT();
    회원정보A_Clear(true);
    회원정보A_NumT(number);
}

// A new customer becomes an associate member: name and phone needed, the phone not yet a member's;
// then registered, searched, saved with the panel's values and shown.
bool frmB예약관리::registerNewMember()
{
    QPointer<frmB예약관리> self(this);
    const auto refuse = [&](const QString& text, QWidget* box) {
        information(text);
        QCoreApplication::processEvents();
        if (self)
            box->setFocus();
        return false;
    };
    if (txtA[0]->text().isEmpty())
        return refuse(QStringLiteral("이름은 필수항목입니다!"), txtA[0]);
    if (BoxValue(*txtA[1]).isEmpty())
        return refuse(QStringLiteral("휴대번호는 필수항목입니다!"), txtA[1]);
    txtA[1]->setText(QString(txtA[1]->text()).remove(QChar('-')));
    const QString phone = txtA[1]->text();
    const QString name = Trim(Vmr_회원(phone));
    if (!self)
        return false;
    if (!name.isEmpty() && name != QStringLiteral("??"))
        return refuse(QStringLiteral("이미 등록된 휴대번호입니다!"), txtA[1]);
    준회원등록B();
    if (!self)
        return false;
    txtS[0]->setText(phone);
    회원검색A(false);
    QCoreApplication::processEvents();
    if (!self)
        return false;
    if (BoxValue(*txtA[0]).isEmpty() || mCustNumT().isEmpty()) {
        information(QStringLiteral("준회원 등록에 실패했습니다!"));
        return false;
    }
    if (!회원정보A_Save() || !self)
        return false;
    reloadSavedMember();
    return true;
}
