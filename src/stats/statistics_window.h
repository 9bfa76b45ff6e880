#pragma once

#include "core/win_http.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/picture_label.h"
#include "platform/spread_grid.h"
#include "platform/wait_picture.h"
#include "platform/window_registry.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>

// The customer statistics: the shop's customers grouped from the cached reservations with their
// visits over a period, merged with the member list; staff tick customers and send them a bulk
// message. A work window of the main window, opened after m_Kind and m_FirstActivated are set.
class frmz통계B : public QWidget, public FormEvents
{
public:
    static QString FormName() { return QStringLiteral("frmz통계B"); }

    frmz통계B();

    // The kind of statistics, set by the opener before the first reference loads the window.
    static inline QString m_Kind;

    std::array<QDateEdit*, 2> 기간;
    QLineEdit* txt방문수;
    std::array<QLabel*, 6> lblNO;
    QLabel* lblInfo;
    QLineEdit* txt검색내검색;
    std::array<SpreadGrid*, 2> SPR;
    QCheckBox* Chk전체선택;
    std::array<QWidget*, 2> picFrame;
    std::array<QLabel*, 2> lblCMD;
    std::array<CrLfTextBox*, 4> txt문자;
    std::array<QRadioButton*, 4> opt문자;
    CrLfTextBox* txt보낼문자;
    QLabel* 글자크기;
    QLabel* 전송가능건수;
    QLabel* 톡가능건수;
    std::array<QLabel*, 2> 전송건수;
    std::array<CrLfTextBox*, 2> txt톡;
    CrLfTextBox* txt보낼톡;
    QLabel* lblTitle;
    PictureLabel* lblTerminate;
    std::array<PanelButton*, 17> CMD;
    WaitPicture* picWait;
    // The link image box: the shop's picture on the image host, its site address and commands.
    QFrame* fr이미지;
    QLabel* img링크이미지;
    QLabel* lbl사이트주소;
    QLineEdit* txt사이트주소;
    // The hidden work surface a replacement picture is drawn into and saved from.
    QLabel* picSave;

    void Form_Load() override;
    void Form_Activate() override;
    bool Func_ReadSkin();

    // The loaders of the customer list.
    bool Load_전체예약n회원();
    // The same once the member answer is in hand (the request left out).
    bool Load_전체예약n회원(const QString& memberAnswer);
    bool Load_예약검색결과();
    bool Load_회원검색(const QString& text);
    // The member answer merged into the list as the full load does once the answer is in.
    void Store_회원_전체(const QString& answer);

    // The header and hours texts of the KakaoTalk template "이용안내", and its preview.
    bool Load_카톡설정();
    bool Save_카톡설정();
    void showTalkPreview();

    void CMD_Click(int index);
    void SPR_Click(int col, int row);
    void SPR_DblClick(int col, int row);
    void Chk전체선택_Click();
    void lblCMD_Click(int index);
    void txt보낼문자_Change();
    // Unloads the window; nothing is saved.
    void lblTerminate_Click();

    // The credit figures of the two pages and of the main window.
    void ShowCredit(int credit);

    // The bytes the text takes in the Korean code page, which decide between SMS and LMS.
    int LenMbcs(const QString& text) const;
    // The text to the ticked customers as one SMS or LMS request; the shop's KakaoTalk message to
    // them in requests of at most 100.
    bool Send_문자();
    bool Send_톡();

    // The site address opened in the web browser.
    void lbl사이트주소_Click();
    void img링크이미지_Click();
    // The link image replaced from a picture file: scaled to 675 by 500, uploaded, kept locally.
    void Change_링크이미지();
    // Posts the file under that name to the image host; the answer text, and the HTTP status.
    QString Upload_링크이미지(const QString& filePath, const QString& fileName, int* status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildFigures();
    void buildSmsPage();
    void buildTalkPage();
    void buildLinkImage();
    // The local copy of the link image shown, downloaded first when it is missing or unreadable.
    bool showLinkImage();
    void setUpGrid(SpreadGrid& grid);
    void resetGrid(SpreadGrid& grid);
    // The common start of the full and period loads: counters, figures, the list and the counts.
    void startLoad();
    bool fillFromCache(const QString& loader, bool period);
    // The full load with the member answer that members() gives, between the cache and the merge.
    bool loadAll(const std::function<QString(HttpOutcome*)>& members);
    void finishLoad(bool all);
    QString requestMembers(const QString& text, HttpOutcome* outcome);
    // After a member answer that is evidently no whole list: no list and no figures of it, and the
    // failure shown. False when the answer is a list.
    bool refuseMembers(const QString& answer, HttpOutcome outcome, bool all);
    void writeChosenCount();
    void searchWithinResults();
    void setPreset(int index);
    bool busyRefuses(int index) const;
    void writeSendCount(int count);
    // The credit read anew and shown, then one pump; false when the window went meanwhile.
    bool refreshCredit(int* credit);
    bool confirmSend(bool enough, const QString& shortage);
    // The wait after the requests, the credit read again and the outcome shown.
    bool finishSend(bool answered);

    QLabel* m_background;
    QString m_카톡템플릿;
    bool m_InResultSearch = false;
    bool m_busy = false;
    int m_regular = 0;
    int m_associate = 0;
    int m_visits = 0;
    int m_new = 0;
    int m_returning = 0;
    QStringList m_lookup;
};
