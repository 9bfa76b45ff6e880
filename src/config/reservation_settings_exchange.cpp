#include "config/reservation_settings_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/log.h"
#include "platform/message_box.h"
#include "server/kakao_templates.h"

#include <QPointer>

// The reservation settings window's exchanges with the backend: the rules and switches, and the
// template texts.

namespace {

const std::array<QString, 6> kKinds{QStringLiteral("예약접수"), QStringLiteral("예약확인"), QStringLiteral("예약수정"),
                                    QStringLiteral("예약취소"), QStringLiteral("자동홍보문자"), QStringLiteral("이용안내")};
const std::array<QString, 3> kFlags{QStringLiteral("ZC_2"), QStringLiteral("ZC_3"), QStringLiteral("ZC_4")};
const QString kLoadLabel = QStringLiteral("Load_설정() ... ");
const QString kSaveLabel = QStringLiteral("Save_설정() ... ");

std::optional<QString> value(const QString& answer, const QString& name)
{
    return GetField(answer, name + "[", "]" + name);
}

// The first item whose number equals the value's; the first item when none does. A missing value
// counts as 0.
void selectByNumber(QComboBox* box, const std::optional<QString>& text)
{
    const int wanted = ToLong(text.value_or(QString()));
    int found = 0;
    for (int i = 0; i < box->count(); ++i) {
        if (ToLong(box->itemText(i)) == wanted) {
            found = i;
            break;
        }
    }
    box->setCurrentIndex(found);
}

void chooseOption(const std::array<QRadioButton*, 3>& options, const std::optional<QString>& text)
{
    if (!text)
        return;
    const int index = ToLong(*text);
    if (index >= 0 && index < int(options.size()))
        options[index]->setChecked(true);
}

int chosenOption(const std::array<QRadioButton*, 3>& options)
{
    return options[1]->isChecked() ? 1 : options[2]->isChecked() ? 2 : 0;
}

QString yesNo(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

bool frmB설정::withWait(const std::function<void()>& request)
{
    QPointer<frmB설정> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return false;
    request();
    if (!self)
        return false;
    picWait->hide();
    return true;
}

std::optional<QString> frmB설정::askWithWait(BackendRequest request)
{
    QString answer;
    if (!withWait([&] { answer = request.send(); }))
        return std::nullopt;
    return answer;
}

bool frmB설정::Load_설정()
{
    소요시간타입[0]->setChecked(true);
    소요시간타입[0]->setText(QStringLiteral("1팀당 소요시간"));
    const auto notices = askWithWait(BackendRequest(kLoadLabel, QStringLiteral("/program/checkkakaosms.php")));
    if (!notices)
        return false;
    if (IsSuccessAnswer(*notices))
        readNotices(*notices);
    const auto answer = askWithWait(BackendRequest(kLoadLabel, QStringLiteral("/program/zzimloading.php")));
    if (!answer)
        return false;
    readSettings(*answer);
    return true;
}

// An answer without the setting's marker keeps the setting, the text and the switches of the last
// good load, so that a save cannot send them empty or tick every switch.
void frmB설정::readNotices(const QString& answer)
{
    const auto setting = value(answer, QStringLiteral("smskakaoSetting"));
    if (!setting) {
        WriteLog(kLoadLabel + "smskakaoSetting 없음: 지난 알림 설정 유지");
        return;
    }
    m_SmsKakaoSetting = *setting;
    if (const auto text = value(answer, QStringLiteral("smskakaoSettingText")))
        m_SmsKakaoSettingText = *text;
    m_noticesReceived = true;
    for (int i = 0; i < int(kFlags.size()); ++i) {
        const auto flag = value(m_SmsKakaoSetting, kFlags[i]);
        알림문자[i]->setChecked(!flag || *flag == u"Y");
    }
}

void frmB설정::readSettings(const QString& answer)
{
    const auto read = [&answer](const char* name) { return value(answer, QString::fromUtf8(name)); };
    selectByNumber(소요시[0], read("ZZimRequireTimeA"));
    selectByNumber(소요분[0], read("ZZimRequireTimeB"));
    selectByNumber(표시간[0], read("ZZimScheduleScaleA1"));
    selectByNumber(표시간[1], read("ZZimScheduleScaleB1"));
    지정시간문자->setChecked(read("ZZimAlramPickTimeYN").value_or(QStringLiteral("N")) != u"N");
    selectByNumber(예약일전, read("ZZimAlramPickTimeA"));
    selectByNumber(예약시[0], read("ZZimAlramPickTimeB"));
    selectByNumber(예약분[0], read("ZZimAlramPickTimeC"));
    예약시간전문자->setChecked(read("ZZimAlramBeforeTimeYN").value_or(QStringLiteral("N")) != u"N");
    selectByNumber(예약시[1], read("ZZimAlramBeforeTimeA"));
    selectByNumber(예약분[1], read("ZZimAlramBeforeTimeB"));
    if (const auto shown = read("ZZimDID_ShowTimeA"))
        DID예약자보이기[0]->setText(*shown);
    if (const auto hidden = read("ZZimDID_ShowTimeB"))
        DID예약자보이기[1]->setText(*hidden);
    chooseOption(optDID이름, read("ZZimDID_ShowName"));
    chooseOption(optDID모임명, read("ZZimDID_ShowOZ"));
    if (const auto limit = read("zzimnoshow"))
        txt노쇼한계->setText(QString(*limit).replace(QStringLiteral("!줄바꿈!"), QStringLiteral("\r\n")));
    const QString scheme = read("persontype").value_or(QString());
    if (scheme == u"0" || scheme == u"1" || scheme == u"2")
        cob인원구분->setCurrentIndex(scheme.toInt());
}

// A flag that is missing from the string, or holds anything but "Y" or "N", is left as it is.
void frmB설정::switchNoticeFlags()
{
    for (int i = 0; i < int(kFlags.size()); ++i) {
        const QString yes = kFlags[i] + "[Y]" + kFlags[i];
        const QString no = kFlags[i] + "[N]" + kFlags[i];
        if (알림문자[i]->isChecked())
            m_SmsKakaoSetting.replace(no, yes);
        else
            m_SmsKakaoSetting.replace(yes, no);
    }
}

QString frmB설정::lengthBlock() const
{
    return "ZZimRequireTimeA[" + 소요시[0]->currentText() + "]ZZimRequireTimeA  ZZimRequireTimeB["
           + 소요분[0]->currentText() + "]ZZimRequireTimeB";
}

// The count boxes take digits only, but a value loaded from the backend may be anything. A save is
// refused, with a message naming the box, while a box holds something that is not a whole number;
// nothing is sent then. An empty box is sent as it is (the no-show limit as 0).
bool frmB설정::countsReadable()
{
    const std::array<std::pair<QLineEdit*, QString>, 3> boxes{{{txt노쇼한계, QStringLiteral("NO-SHOW 처리방법")},
                                                               {DID예약자보이기[0], QStringLiteral("예약자 보이기")},
                                                               {DID예약자보이기[1], QStringLiteral("예약자 안보이기")}}};
    for (const auto& [box, caption] : boxes) {
        if (Trim(box->text()).isEmpty() || IsWholeNumberText(box->text()))
            continue;
        QPointer<QLineEdit> shown(box);
        MsgBox(caption + QStringLiteral(" 칸에 숫자를 입력하세요!"), MsgStyle::OkOnly + MsgStyle::Exclamation);
        if (shown)
            shown->setFocus();
        return false;
    }
    return true;
}

// The notification setting goes back only when a load received it: sending the two empty texts
// would wipe the backend's whole notification setting, flags this window does not manage included.
bool frmB설정::Save_설정()
{
    QPointer<frmB설정> self(this);
    if (!countsReadable())
        return true;
    if (MsgBox(QStringLiteral("예약설정을 저장하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes)
        return true;
    if (!self)
        return false;
    switchNoticeFlags();
    if (m_noticesReceived) {
        const auto sent = askWithWait(BackendRequest(kSaveLabel, QStringLiteral("/program/smskakaosettingedit.php"))
                                          .add(QStringLiteral("smskakaoSetting"), m_SmsKakaoSetting)
                                          .add(QStringLiteral("smskakaoSettingText"), m_SmsKakaoSettingText));
        if (!sent)
            return false;
    } else {
        WriteLog(kSaveLabel + "smskakaosettingedit 생략: 알림 설정을 받지 못함");
    }
    const QString schedule = "ZZimScheduleScaleA1[" + 표시간[0]->currentText()
                             + "]ZZimScheduleScaleA1 ZZimScheduleScaleA2[00]ZZimScheduleScaleA2 ZZimScheduleScaleB1["
                             + 표시간[1]->currentText() + "]ZZimScheduleScaleB1 ZZimScheduleScaleB2[00]ZZimScheduleScaleB2";
    const QString pick = "ZZimAlramPickTimeYN[" + yesNo(지정시간문자) + "]ZZimAlramPickTimeYN  ZZimAlramPickTimeA["
                         + 예약일전->currentText() + "]ZZimAlramPickTimeA  ZZimAlramPickTimeB[" + 예약시[0]->currentText()
                         + "]ZZimAlramPickTimeB ZZimAlramPickTimeC[" + 예약분[0]->currentText() + "]ZZimAlramPickTimeC";
    const QString before = "ZZimAlramBeforeTimeYN[" + yesNo(예약시간전문자) + "]ZZimAlramBeforeTimeYN  ZZimAlramBeforeTimeA["
                           + 예약시[1]->currentText() + "]ZZimAlramBeforeTimeA  ZZimAlramBeforeTimeB["
                           + 예약분[1]->currentText() + "]ZZimAlramBeforeTimeB";
    BackendRequest request(kSaveLabel, QStringLiteral("/program/zzimsave.php"));
    request.addEscaped(QStringLiteral("zzimtimeselect"), QString())
        .addEscaped(QStringLiteral("ZZimPersonSetting"), QStringLiteral("N"))
        .addEscaped(QStringLiteral("ZZimSMSSetting1"), QString())
        .addEscaped(QStringLiteral("persontype"), QString::number(cob인원구분->currentIndex()))
        .addEscaped(QStringLiteral("zzimnoshow"), QString::number(ToLong(txt노쇼한계->text())))
        .addEscaped(QStringLiteral("ZZimRequireTime"), lengthBlock())
        .addEscaped(QStringLiteral("ZZimScheduleScale"), schedule)
        .addEscaped(QStringLiteral("ZZimAlramPickTime"), pick)
        .addEscaped(QStringLiteral("ZZimAlramBeforeTime"), before)
        .add(QStringLiteral("ZZimDID_ShowTimeA"), DID예약자보이기[0]->text())
        .add(QStringLiteral("ZZimDID_ShowTimeB"), DID예약자보이기[1]->text())
        .addEscaped(QStringLiteral("ZZimDID_ShowName"), QString::number(chosenOption(optDID이름)))
        .addEscaped(QStringLiteral("ZZimDID_ShowOZ"), QString::number(chosenOption(optDID모임명)));
    if (!askWithWait(request))
        return false;
    Load_설정();
    return true;
}

bool frmB설정::Load_카톡설정(int index)
{
    if (index < 0 || index >= int(kKinds.size()))
        return true;
    머리말[index]->setText(QString());
    꼬리말[index]->setText(QString());
    std::optional<KakaoTemplate> texts;
    if (!withWait([&] { texts = LoadKakaoTemplate(kKinds[index]); }))
        return false;
    if (texts) {
        머리말[index]->setText(texts->header);
        꼬리말[index]->setText(texts->footer);
    }
    return true;
}

bool frmB설정::Save_카톡설정(int index)
{
    if (index < 0 || index >= int(kKinds.size()))
        return true;
    const KakaoTemplate texts{머리말[m_TemplateTab]->text(), 꼬리말[m_TemplateTab]->text()};
    if (!withWait([&] { SaveKakaoTemplate(kKinds[index], texts); }))
        return false;
    Load_카톡설정(index);
    return true;
}
