#include "messaging/instant_sms_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/button_guard.h"
#include "core/byte_text.h"
#include "core/converters.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/login_values.h"
#include "core/screen_values.h"
#include "core/text_escapes.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "platform/send_keys.h"
#include "platform/window_effects.h"
#include "server/saved_messages.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

const QString kWindow = QStringLiteral("frmz즉시문자");
const QColor kBlue(0, 141, 238);
const QColor kKeyGrey(64, 64, 64);

// The order code of the last answer that carried one in this run, with the shop it belongs to.
struct KeptOrderCode {
    QString shopId;
    QString code;
};

KeptOrderCode& keptOrderCode()
{
    static KeptOrderCode kept;
    return kept;
}

// The number by position only: 3, 4 and the rest; 3 and the rest from four characters on.
QString formatByPosition(QString number)
{
    number.remove(u'-');
    if (number.size() >= 8)
        return number.left(3) + "-" + number.mid(3, 4) + "-" + number.mid(7);
    if (number.size() >= 4)
        return number.left(3) + "-" + number.mid(3);
    return number;
}

QLabel* rowLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

} // namespace

frmz즉시문자::frmz즉시문자() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("즉시 문자 보내기"));
    buildControls();
}

void frmz즉시문자::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 920, 620);

    lblTitle = NewTitleLabel(this, QRect(13, 2, 410, 36));
    lblTerminate = NewCloseLabel(this, QRect(855, 0, 60, 40));
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });

    rowLabel(this, QStringLiteral("주문코드"), QRect(20, 70, 80, 32));
    txt주문코드 = new QLineEdit(this);
    txt주문코드->setObjectName(QStringLiteral("txt주문코드"));
    txt주문코드->setGeometry(100, 70, 302, 32);
    buildSavedTexts();

    lblInfo = rowLabel(this, QStringLiteral("문자 보내기"), QRect(475, 70, 426, 30));
    rowLabel(this, QStringLiteral("보낼 번호"), QRect(495, 110, 80, 32));
    txt보낼번호 = new QLineEdit(this);
    txt보낼번호->setObjectName(QStringLiteral("txt보낼번호"));
    txt보낼번호->setGeometry(575, 110, 302, 32);
    buildKeypad();

    txt문자 = new CrLfTextBox(this);
    txt문자->setObjectName(QStringLiteral("txt문자"));
    txt문자->setGeometry(495, 250, 382, 262);
    QObject::connect(txt문자, &QPlainTextEdit::textChanged, this, [this] { txt문자_Change(); });
    lblBytes = rowLabel(this, QString(), QRect(495, 514, 372, 26));
    lblBytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    CMD[0] = new PanelButton(this, 0);
    CMD[0]->setCaption(QStringLiteral("저 장 하 기"));
    CMD[0]->setGeometry(20, 550, 382, 50);
    CMD[1] = new PanelButton(this, 1);
    CMD[1]->setCaption(QStringLiteral("보 내 기"));
    CMD[1]->setGeometry(495, 540, 382, 50);
    for (PanelButton* button : CMD)
        QObject::connect(button, &PanelButton::clicked, this, [this, button] { CMD_Click(button->index()); });
    setTabOrder(txt보낼번호, txt문자);

    picWait = new WaitPicture(this);
}

void frmz즉시문자::buildSavedTexts()
{
    txt문자1 = new CrLfTextBox(this);
    txt문자2 = new CrLfTextBox(this);
    txt문자3 = new CrLfTextBox(this);
    txt문자4 = new CrLfTextBox(this);
    const std::array<int, 4> tops{105, 215, 325, 435};
    const auto boxes = savedTexts();
    for (int n = 1; n <= 4; ++n) {
        const int top = tops[n - 1];
        rowLabel(this, QStringLiteral("문자 %1").arg(n), QRect(20, top, 60, 107));
        boxes[n - 1]->setObjectName(QStringLiteral("txt문자%1").arg(n));
        boxes[n - 1]->setGeometry(80, top, 322, 107);
        CMD[n + 1] = new PanelButton(this, n + 1);
        CMD[n + 1]->setCaption(QStringLiteral("▶"));
        CMD[n + 1]->setGeometry(410, top + 15, 57, 77);
    }
}

void frmz즉시문자::buildKeypad()
{
    const std::array<int, 6> lefts{495, 559, 623, 687, 751, 815};
    for (int i = 0; i < 12; ++i) {
        CMD2[i] = new PanelButton(this, i);
        const bool upper = i <= 4 || i == 11;
        const int column = i <= 4 ? i : i <= 9 ? i - 5 : 5;
        CMD2[i]->setGeometry(lefts[column], upper ? 145 : 195, 62, 47);
        CMD2[i]->setCaption(i <= 9 ? QString::number(i) : i == 10 ? QStringLiteral("010") : QStringLiteral("←"));
        QObject::connect(CMD2[i], &PanelButton::clicked, this, [this, i] { CMD2_Click(i); });
        QObject::connect(CMD2[i], &PanelButton::doubleClicked, this, [this, i] { CMD2_DblClick(i); });
    }
}

void frmz즉시문자::Form_Load()
{
    resize(920, 620);
    CenterOnMainWindow(*this, 10);
    FormRound(*this, 7);
    Func_ReadSkin();
    lblTitle->setText(QStringLiteral("즉시 문자 보내기"));
    const SavedMessages texts = ReadSavedMessages();
    const auto boxes = savedTexts();
    for (int n = 0; n < 4; ++n)
        boxes[n]->setText(texts[n]);
    for (PanelButton* button : CMD)
        GiveSwappingLook(*button, kBlue);
    for (PanelButton* button : CMD2)
        GiveSwappingLook(*button, kKeyGrey);
    EnterMovesFocus(*this, {QStringLiteral("txt문자")});
}

bool frmz즉시문자::Func_ReadSkin()
{
    const QString background = gSkinPath + "/0414a.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    return true;
}

void frmz즉시문자::Form_Activate()
{
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    QPointer<frmz즉시문자> self(this);
    Load_설정();
    if (!self)
        return;
    QCoreApplication::processEvents();
    if (self)
        txt보낼번호->setFocus();
}

bool frmz즉시문자::Load_설정()
{
    QPointer<frmz즉시문자> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return false;
    const QString answer = BackendRequest(QStringLiteral("Load_설정(1) ... "), QStringLiteral("/program/logins.php")).send();
    if (!self)
        return false;
    picWait->hide();
    if (!IsSuccessAnswer(answer))
        return true;
    KeptOrderCode& kept = keptOrderCode();
    if (const auto code = GetField(answer, QStringLiteral("QRC["), QStringLiteral("]QRC")))
        kept = {gShopID, *code};
    if (kept.shopId == gShopID && !gShopID.isEmpty())
        txt주문코드->setText(gServerURL + "/" + kept.code);
    return true;
}

bool frmz즉시문자::Send_문자()
{
    QPointer<frmz즉시문자> self(this);
    const QString number = Trim(txt보낼번호->text());
    const QString message = Trim(txt문자->text());
    txt보낼번호->setText(number);
    txt문자->setText(message);
    if (number.isEmpty()) {
        MsgBox(QStringLiteral("보낼 번호가 비었습니다!"), MsgStyle::OkOnly);
        return false;
    }
    if (message.isEmpty()) {
        MsgBox(QStringLiteral("보낼 문자가 비었습니다!"), MsgStyle::OkOnly);
        return false;
    }
    picWait->showBeforeRequest();
    if (!self)
        return false;
    const QString answer = BackendRequest(QStringLiteral("Send_문자() ... "), QStringLiteral("/program/sendSMS2.php"))
                               .add(QStringLiteral("sendphonetext"), QString(number).remove(u'-'))
                               .addEscaped(QStringLiteral("sendTEXT"),
                                           URLEncode(QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("!줄!"))))
                               .sendAnsi();
    if (self)
        picWait->hide();
    if (IsSuccessAnswer(answer)) {
        MsgBox(QStringLiteral("성공!"), MsgStyle::OkOnly);
        return true;
    }
    MsgBox(QStringLiteral("실패! 잠시후 다시 시도해주세요."), MsgStyle::OkOnly);
    return false;
}

void frmz즉시문자::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmz즉시문자::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    UnloadForm(FormName());
}

void frmz즉시문자::txt문자_Change()
{
    lblBytes->setText(QString::number(ByteLen(txt문자->text())) + " Bytes");
}

void frmz즉시문자::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    if (index == 0) {
        SavedMessages texts;
        const auto boxes = savedTexts();
        for (int n = 0; n < 4; ++n)
            texts[n] = boxes[n]->text();
        WriteSavedMessages(texts);
    } else if (index == 1) {
        Send_문자();
    } else {
        txt문자->setText(savedTexts()[index - 2]->text());
    }
}

void frmz즉시문자::CMD2_Click(int index)
{
    const QString label = index == 10 ? QStringLiteral(" 010 ") : index == 11 ? QStringLiteral(" ← ") : QString();
    ButtonGuard guard(CMD2[index], QStringLiteral("CMD2"), index, label);
    if (!guard.passed())
        return;
    pressKey(index);
    guard.release();
    formatNumber();
}

void frmz즉시문자::CMD2_DblClick(int index)
{
    CMD2_Click(index);
}

void frmz즉시문자::pressKey(int index)
{
    QString number = txt보낼번호->text();
    if (index <= 9)
        number += QString::number(index);
    else if (index == 10)
        number = QStringLiteral("010");
    else
        number.chop(1);
    txt보낼번호->setText(number);
}

void frmz즉시문자::formatNumber()
{
    txt보낼번호->setText(formatByPosition(txt보낼번호->text()));
    txt보낼번호->setFocus();
    txt보낼번호->deselect();
    txt보낼번호->setCursorPosition(int(txt보낼번호->text().size()));
}
