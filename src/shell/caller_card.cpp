#include "shell/main_window.h"

#include "core/button_guard.h"
#include "core/main_window_calls.h"
#include "core/phone.h"
#include "platform/rounded_region.h"
#include "server/member_lookup.h"
#include "shell/shell_globals.h"

#include <QPointer>

namespace {

constexpr int kCallerCardWidth = 350;
constexpr int kCallerFontSize = 20;
constexpr int kCardHeight = 81;
constexpr int kCardCorner = 20;
// Two sample members' mobiles, for the developer-mode test calls.
const std::array<QString, 2> kTestNumbers{QStringLiteral("01078411465"), QStringLiteral("01090554833")};

// The pressed and released pictures of an enabled button: CMD(0) 5 and 6 in an 81-pixel strip
// (card or notice), else 7 and 4; CMD(1) 9 and 8.
void showCommandPicture(frmMainMDI& main, int index, bool pressed)
{
    if (!main.CMD[index]->isEnabled())
        return;
    int place = pressed ? 9 : 8;
    if (index == 0 && main.BG[0]->height() == kCardHeight)
        place = pressed ? 5 : 6;
    else if (index == 0)
        place = pressed ? 7 : 4;
    if (main.ImgIcon.Has(place))
        main.CMD[index]->setPicture(main.ImgIcon.Item(place));
}

QString shownNumber(const PhoneParts& parts)
{
    return parts.kind == PhoneParts::NotPhone ? QString() : parts.area + "-" + parts.middle + "-" + parts.last;
}

} // namespace

void frmMainMDI::connectCallerCard()
{
    for (PanelButton* button : CMD) {
        const int index = button->index();
        QObject::connect(button, &PanelButton::clicked, this, [this, index] { CMD_Click(index); });
        QObject::connect(button, &PanelButton::mouseDown, this, [this, index] { CMD_MouseDown(index); });
        QObject::connect(button, &PanelButton::mouseUp, this, [this, index] { CMD_MouseUp(index); });
    }
    lblClock->installEventFilter(this);
}

// The main window as a 350 × 81 card with the caller's number; the number stays in the panel's
// tag for the card's button.
void frmMainMDI::toCallerCard(const QString& number)
{
    if (isMaximized())
        showNormal();
    // From the full window its place is kept for the way back, as the mini icon does.
    if (!m_FloatingButton)
        saveFullGeometry();
    m_FloatingButton = true;
    ShowSmallCard(kCallerCardWidth, kCallerFontSize, shownNumber(SplitPhone(number)), number);
}

// For a mobile the member's name joins the number when the look-up answers, unless a later call
// has overtaken it (serial) or the card is gone.
void frmMainMDI::nameOnCallerCard(int serial, const QString& number)
{
    const PhoneParts parts = SplitPhone(number);
    if (parts.kind != PhoneParts::Mobile || serial != m_callSerial)
        return;
    QPointer<frmMainMDI> self(this);
    const QString name = Vmr_회원(number);
    if (!self || serial != m_callSerial || name.isEmpty() || !m_FloatingButton || sspTEL->tag() != number)
        return;
    sspTEL->setCaption(name + "\n" + shownNumber(parts));
}

// The top bar's own groups (shop name, version, credit, the mini icon's features) stay hidden
// under the card, which shows only its picture, the number panel and its button.
void frmMainMDI::ShowSmallCard(int width, int fontSize, const QString& caption, const QString& tag)
{
    resize(width, kCardHeight);
    setMask(RoundedRegion(width - 1, kCardHeight - 1, kCardCorner).translated(1, 1));
    showTopBarGroups(false);
    sspTel_Info->hide();
    BG[0]->resize(BG[0]->width(), kCardHeight);
    BG[0]->showPicture(ImgIcon, 2);
    QFont font = sspTEL->font();
    font.setPointSize(fontSize);
    sspTEL->setFont(font);
    sspTEL->setCaption(caption);
    sspTEL->setTag(tag);
    sspTEL->show();
}

void frmMainMDI::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed() || index != 0)
        return;
    QPointer<frmMainMDI> self(this);
    lbMiniView_DblClick();
    if (!self)
        return;
    const QString number = sspTEL->tag();
    // After a table-request notice there is no caller to search.
    if (number == kRequestNoticeTag)
        TopCMD_Click(0);
    else
        handCallerToBoard(number);
}

void frmMainMDI::CMD_MouseDown(int index)
{
    showCommandPicture(*this, index, true);
}

void frmMainMDI::CMD_MouseUp(int index)
{
    showCommandPicture(*this, index, false);
}

void frmMainMDI::lblClock_DblClick()
{
    if (!gDeveloperMode)
        return;
    QPointer<frmMainMDI> self(this);
    for (const QString& number : kTestNumbers)
        if (self)
            CID처리2(1, 1, number, QString());
}
