#pragma once

#include "core/backend_request.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

// The reservation settings: the reservation rules, the confirmation notices, the DID display
// options, the automatic notification switches and the header and footer texts of the six
// notification templates. A work window of the main window, opened by setting m_FirstActivated;
// every first activation loads everything afresh. It also opens the staff and phrase windows.
class frmB설정 : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmB설정"); }

    frmB설정();

    QComboBox* cob인원구분;
    QLineEdit* txt노쇼한계;
    std::array<QRadioButton*, 1> 소요시간타입;
    std::array<QComboBox*, 1> 소요시;
    std::array<QComboBox*, 1> 소요분;
    std::array<QComboBox*, 2> 표시간;
    QCheckBox* 지정시간문자;
    QCheckBox* 예약시간전문자;
    QComboBox* 예약일전;
    std::array<QComboBox*, 2> 예약시;
    std::array<QComboBox*, 2> 예약분;
    std::array<QLineEdit*, 2> DID예약자보이기;
    std::array<QRadioButton*, 3> optDID이름;
    std::array<QRadioButton*, 3> optDID모임명;
    std::array<QCheckBox*, 3> 알림문자;
    std::array<PanelButton*, 6> CMD2;
    std::array<QFrame*, 6> fr알림문자;
    std::array<CrLfTextBox*, 6> 머리말;
    std::array<CrLfTextBox*, 6> 꼬리말;
    std::array<PanelButton*, 4> CMD;
    WaitPicture* picWait;
    QLabel* picShadow;

    void Form_Load() override;
    void Form_Activate() override;

    bool Func_ReadSkin();
    void CMD_Click(int index);
    void CMD2_Click(int index);

    // The rules, notices, DID options and switches (one exchange each way).
    bool Load_설정();
    bool Save_설정();
    // The header and footer of one template kind, by tab index 0 to 5.
    bool Load_카톡설정(int index);
    bool Save_카톡설정(int index);

    int templateTab() const { return m_TemplateTab; }

private:
    void buildBasicSection();
    void buildNoticeSection();
    void buildDidSection();
    void buildTemplateSection();
    void buildButtons();
    void fillComboLists();
    void setFocusOrder();
    void openStaff();
    void openPhrases();
    void readNotices(const QString& answer);
    void readSettings(const QString& answer);
    bool countsReadable();
    void switchNoticeFlags();
    QString lengthBlock() const;
    // Runs the request with the wait picture shown; false (or no value) when the window went away
    // meanwhile.
    bool withWait(const std::function<void()>& request);
    std::optional<QString> askWithWait(BackendRequest request);

    QLabel* m_background;
    int m_TemplateTab = 0;
    QString m_SmsKakaoSetting;
    QString m_SmsKakaoSettingText;
    // Whether a load since the window was created received the notification setting.
    bool m_noticesReceived = false;
};
