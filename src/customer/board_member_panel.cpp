#include "customer/board_member_panel.h"

#include "core/backend_request.h"
#include "core/converters.h"
#include "core/number_format.h"
#include "core/phone.h"
#include "core/text_escapes.h"
#include "customer/member_answers.h"
#include "customer/member_grids.h"
#include "platform/crlf_text_box.h"
#include "platform/message_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/placeholder_box.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace {

const QString kNewMember = QStringLiteral("신규 회원");
const QColor kPanelBack(242, 242, 242);

void setLabelLook(QLabel& label, const QFont& font, const QColor& color)
{
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

void setBoxColors(QWidget& box, const QColor& back, const QColor& text)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, text);
    box.setPalette(palette);
}

// The box shows its placeholder.
void toPlaceholder(PlaceholderBox& box)
{
    box.setText(box.toolTip());
}

} // namespace

bool BoardMemberPanel::overtaken(int search) const
{
    return search != m_searchSerial;
}

void BoardMemberPanel::showPanel(int index)
{
    for (int i = 0; i < 3; ++i)
        c.panels[i]->setVisible(i == index);
}

bool BoardMemberPanel::입력란_초기화()
{
    c.search->setPlaceholderColor(QColor(224, 224, 224));
    c.search->showPlaceholder(QStringLiteral("번호를 입력하세요"));
    setBoxColors(*c.search, Qt::white, QColor(224, 224, 224));
    c.boxes[0]->showPlaceholder(QStringLiteral("이름 입력하세요"));
    setBoxColors(*c.boxes[0], kPanelBack, QColor(122, 122, 122));
    c.boxes[1]->showPlaceholder(QStringLiteral("휴대번호 입력"));
    setBoxColors(*c.boxes[1], kPanelBack, QColor(37, 103, 182));
    for (PlaceholderBox* box : c.boxes) {
        box->setPlaceholderColor(QColor(122, 122, 122));
        box->setFilledColor(QColor(122, 122, 122));
        box->setFrame(false);
    }
    c.memo->setToolTip(QStringLiteral("요청사항 입력하세요"));
    c.memo->setText(c.memo->toolTip());
    setBoxColors(*c.memo, kPanelBack, QColor(0, 112, 192));
    c.memo->setFrameShape(QFrame::NoFrame);
    QPalette mark = c.caution->palette();
    mark.setColor(QPalette::Window, kPanelBack);
    c.caution->setPalette(mark);
    c.panels[0]->hide();
    c.panels[1]->hide();
    c.panels[0]->show();
    return true;
}

bool BoardMemberPanel::회원정보A_Clear(bool bKeepCounters)
{
    m_Member = BoardMember();
    for (PlaceholderBox* box : c.boxes) {
        box->clear();
        box->setTag(QString());
    }
    c.memo->setText(QString());
    c.memo->setTag(QString());
    c.caution->showPicture(*c.pictures, 1);
    c.caution->setTag(QStringLiteral("N"));
    if (bKeepCounters)
        return true;
    for (QLabel* label : {c.lastBooking, c.totalCount, c.totalPersons, c.cancelled, c.noShows})
        label->clear();
    setLabelLook(*c.lastBooking, QFont(QStringLiteral("나눔고딕"), 12), Qt::black);
    return true;
}

bool BoardMemberPanel::회원검색A(bool bAll)
{
    QPointer<QWidget> window(c.window);
    const int search = ++m_searchSerial;
    회원정보A_Clear(false);
    c.panels[0]->hide();
    c.panels[1]->hide();
    c.panels[2]->show();
    SpreadGrid& results = *c.results;
    QString lastNumber;
    if (bAll || !IsBlankOrPlaceholder(*c.search)) {
        results.SetMaxRows(0);
        results.SetReDraw(false);
        c.wait->showBeforeRequest();
        if (!window)
            return false;
        const QString answer =
            BackendRequest(QStringLiteral("회원검색A() ... "), QStringLiteral("/program/SearchMember1.php"))
                .add(QStringLiteral("textz"), c.search->text())
                .send();
        if (!window || overtaken(search))
            return false;
        c.wait->hide();
        const QList<MemberListRecord> members = ReadMemberList(answer);
        FillMemberListGrid(results, members);
        if (!members.isEmpty())
            lastNumber = members.last().num;
    }
    results.SetReDraw(true);
    if (results.MaxRows() == 0) {
        showNewMember();
        return true;
    }
    results.SetRow(1);
    results.SetActiveCell(3, 1);
    if (results.MaxRows() == 1)
        showFound(lastNumber);
    if (window)
        c.search->setText(QString());
    return true;
}

void BoardMemberPanel::showFound(const QString& numt)
{
    QPointer<QWidget> window(c.window);
    c.save->setCaption(QStringLiteral("수정"));
    toPlaceholder(*c.boxes[0]);
    toPlaceholder(*c.boxes[1]);
    c.memo->setText(c.memo->toolTip());
    c.boxes[1]->setReadOnly(true);
    m_Member.numt = numt;
    const int search = m_searchSerial;
    QCoreApplication::processEvents();
    if (!window || overtaken(search))
        return;
    회원정보A_NumT(numt);
    if (window && !overtaken(search))
        예약이력A(numt);
}

// Nobody found: the panel is ready for a new customer, the search text in the phone box when it
// is a phone number and in the name box otherwise. A box that shows its placeholder holds nothing.
void BoardMemberPanel::showNewMember()
{
    c.save->setCaption(QStringLiteral("저장"));
    const QString kept = Trim(BoxValue(*c.search));
    QFont font = c.totalCount->font();
    font.setPointSize(18);
    setLabelLook(*c.lastBooking, font, QColor(175, 0, 14));
    c.lastBooking->setText(kNewMember);
    c.boxes[1]->setReadOnly(false);
    c.search->setText(QString());
    QPointer<QWidget> window(c.window);
    const bool phone = SplitPhone(kept).kind >= PhoneParts::Landline;
    if (phone) {
        toPlaceholder(*c.boxes[0]);
        c.boxes[1]->setText(kept);
    } else {
        c.boxes[0]->setText(kept.isEmpty() ? c.boxes[0]->toolTip() : kept);
        toPlaceholder(*c.boxes[1]);
    }
    c.memo->setText(c.memo->toolTip());
    QCoreApplication::processEvents();
    if (window)
        c.boxes[phone ? 0 : 1]->setFocus();
}

bool BoardMemberPanel::회원정보A_NumT(const QString& numt)
{
    if (numt.isEmpty())
        return true;
    QPointer<QWidget> window(c.window);
    const int search = m_searchSerial;
    const QString answer =
        BackendRequest(QStringLiteral("회원정보A_NumT(1) ... "), QStringLiteral("/program/SearchMember1Detail2.php"))
            .add(QStringLiteral("numt"), numt)
            .send();
    if (!window || overtaken(search))
        return false;
    const std::optional<MemberDetail> found = ReadMemberDetail(answer);
    if (!found)
        return true;
    const MemberDetail& d = *found;
    m_Member.numt = numt;
    m_Member.names = d.name;
    m_Member.phone = d.phoneDigits;
    m_Member.memo = d.memo;
    m_Member.careful = d.careful;
    m_Member.level = d.level;
    m_Member.levelfrozen = d.levelFrozen;
    if (!d.levelNum.isEmpty())
        m_Member.levelnum = d.levelNum;
    m_Member.deny = d.deny;
    m_Member.pointcheck = d.pointCheck;
    m_Member.snsi = d.snsI;
    m_Member.snsf = d.snsF;
    m_Member.snsb = d.snsB;
    m_Member.snse = d.snsE;
    m_Member.name2 = d.name2;
    m_Member.lastzzimnames = d.lastZzimNames;
    m_Member.add_phone1 = d.addPhone1;
    m_Member.add_phone2 = d.addPhone2;
    m_Member.add_phone3 = d.addPhone3;
    c.boxes[0]->setText(m_Member.names);
    const QString shown = FormatPhoneMasked(m_Member.phone, false);
    c.boxes[1]->setText(shown.isEmpty() ? m_Member.phone : shown);
    c.memo->setText(VmrDecodeAA(m_Member.memo));
    c.caution->setTag(m_Member.careful);
    c.caution->showPicture(*c.pictures, m_Member.careful == QStringLiteral("N") ? 1 : 2);
    return true;
}

bool BoardMemberPanel::예약이력A(const QString& numt)
{
    QPointer<QWidget> window(c.window);
    const int search = m_searchSerial;
    showPanel(1);
    SpreadGrid& grid = *c.history;
    grid.SetMaxRows(0);
    grid.SetReDraw(false);
    if (!numt.isEmpty()) {
        c.wait->showBeforeRequest();
        if (!window)
            return false;
        const QString answer =
            BackendRequest(QStringLiteral("예약이력A() ... "), QStringLiteral("/program/SearchZZimLoading.php"))
                .add(QStringLiteral("numt"), numt)
                .send();
        if (!window || overtaken(search))
            return false;
        c.wait->hide();
        const MemberHistory history = ReadMemberHistory(answer);
        c.totalCount->setText(history.totalCount);
        c.totalPersons->setText(history.totalPersons);
        c.lastBooking->setText(history.recent);
        c.noShows->setText(history.noShows);
        FillHistoryGrid(grid, history);
        c.cancelled->setText(FormatNumber(history.cancelled, QStringLiteral("#,###")));
    }
    grid.SetReDraw(true);
    if (grid.MaxRows() > 0) {
        grid.SetRow(1);
        grid.SetActiveCell(4, 1);
    }
    return true;
}

bool BoardMemberPanel::회원정보_Load_PhoneT(const QString& phone)
{
    QPointer<QWidget> window(c.window);
    const int search = ++m_searchSerial;
    회원정보A_Clear(false);
    c.wait->showBeforeRequest();
    if (!window)
        return false;
    const QString answer =
        BackendRequest(QStringLiteral("회원정보_Load_PhoneT() ... "), QStringLiteral("/program/SearchMember1.php"))
            .add(QStringLiteral("textz"), QString(phone).remove(QChar('-')))
            .send();
    if (!window || overtaken(search))
        return false;
    c.wait->hide();
    const QString number = ReadMemberList(answer).value(0).num;
    회원정보A_NumT(number);
    if (window && !overtaken(search))
        예약이력A(number);
    return true;
}

bool BoardMemberPanel::준회원등록B()
{
    QPointer<QWidget> window(c.window);
    c.wait->showBeforeRequest();
    if (!window)
        return false;
    const QString answer =
        BackendRequest(QStringLiteral("준회원등록B() ... "), QStringLiteral("/program/RecommendPhoneShopMoveNoSMS.php"))
            .withSuffix(QStringLiteral("_WinHttp_4"))
            .add(QStringLiteral("phonet"), QString(c.boxes[1]->text()).remove(QChar('-')))
            .add(QStringLiteral("name2"), c.boxes[0]->text())
            .addEscaped(QStringLiteral("SavingText"), QStringLiteral("0"))
            .addEscaped(QStringLiteral("memotext"), VmrEncodeAA(c.memo->text()))
            .send();
    if (!window)
        return false;
    c.wait->hide();
    if (answer.contains(QStringLiteral("실패")))
        return false;
    if (answer.contains(QStringLiteral("이미가입"))) {
        MsgBox(QStringLiteral("이미 가입되어 있습니다!"), MsgStyle::OkOnly + MsgStyle::Information);
        return false;
    }
    return true;
}

bool BoardMemberPanel::회원정보A_Save()
{
    const QString name = Trim(c.boxes[0]->text());
    if (name.isEmpty())
        return true;
    // An update without a member number would overwrite nobody's record with empty values.
    if (m_Member.numt.isEmpty()) {
        MsgBox(QStringLiteral("실패! 다시 시도해주세요."), MsgStyle::OkOnly);
        return false;
    }
    const BoardMember& m = m_Member;
    const QString consents = " snsi[" + m.snsi + "]snsi" + " snsf[" + m.snsf + "]snsf" + " snsb[" + m.snsb + "]snsb" +
                             " snse[" + m.snse + "]snse";
    m_Member.careful = c.caution->tag() == QStringLiteral("Y") ? QStringLiteral("Y") : QStringLiteral("N");
    QPointer<QWidget> window(c.window);
    c.wait->showBeforeRequest();
    if (!window)
        return false;
    const QString answer =
        BackendRequest(QStringLiteral("회원정보A_Save() ... "), QStringLiteral("/program/MemberInfoEdit.php"))
            .add(QStringLiteral("numt"), m.numt)
            .add(QStringLiteral("name"), name)
            .add(QStringLiteral("levelname"), m.level)
            .add(QStringLiteral("levelfrozen"), m.levelfrozen)
            .add(QStringLiteral("levelnum"), m.levelnum)
            .addEscaped(QStringLiteral("memot"), VmrEncodeAA(c.memo->text()))
            .add(QStringLiteral("denyt"), m.deny)
            .add(QStringLiteral("pointcheck"), m.pointcheck)
            .add(QStringLiteral("snst"), consents)
            .add(QStringLiteral("name2"), m.name2)
            .add(QStringLiteral("lastzzimnames"), m.lastzzimnames)
            .add(QStringLiteral("add_phone1"), m.add_phone1)
            .add(QStringLiteral("add_phone2"), m.add_phone2)
            .add(QStringLiteral("add_phone3"), m.add_phone3)
            .add(QStringLiteral("careful"), m.careful)
            .send();
    if (!window)
        return false;
    c.wait->hide();
    if (answer.contains(QStringLiteral("성공")))
        return true;
    MsgBox(QStringLiteral("실패! 다시 시도해주세요."), MsgStyle::OkOnly);
    return false;
}
