#include "requests/table_requests_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/byte_text.h"
#include "core/converters.h"
#include "core/date_time.h"
#include "core/log.h"
#include "core/main_window_calls.h"
#include "core/screen_values.h"
#include "core/win_http.h"
#include "platform/clock.h"
#include "platform/combo_display.h"
#include "platform/sound.h"
#include "requests/request_globals.h"

#include <QPointer>

// The poll: asks whether the shop shows table requests and, when it does, for the requests of the
// current view; fills the request grid, announces a new first request, refills the page list and
// paints the tiles. Its lines go to one log file per hour of the run's start.

namespace {

const QString kSeparator = QStringLiteral("<memochecks>");
constexpr int kMainFullWidth = 1024;

// The answer's text inside "<name>" .. "</name>".
QString tag(const AnswerRecord& record, const QString& name)
{
    return record.field("<" + name + ">", "</" + name + ">");
}

// One request of the poll, logged by the poll's rule: the request and the answer when the answer
// differs from the previous one of its kind (cut at 256 KiB in its line, as every request log
// cuts it), else one short line with the time taken since the run's start. The previous answer
// becomes this one.
QString askAndLog(BackendRequest request, const QString& label, QString& previous, const QString& hour,
                  int startTick)
{
    const QString url = request.url();
    const QString body = request.body();
    const QString answer = GetWinHttp(url, body, true);
    const QString suffix = "_WinHttp_Req_" + hour;
    if (answer != previous) {
        WriteLog(label + url + "?" + body, suffix);
        WriteLog(label + "ResponseStr:\r\n" + LoggedAnswer(answer), suffix);
    } else {
        WriteLog(label + "ResponseStr: 직전과 동일. " + QString::number(GetTickCountMS() - startTick) + "ms 걸림.", suffix);
    }
    previous = answer;
    return answer;
}

} // namespace

void frmz승인_고객요청::Load_고객요청()
{
    if (m_Loading)
        return;
    m_Loading = true;
    QPointer<frmz승인_고객요청> self(this);
    const QString hour = CurrentClock().now().toString(QStringLiteral("HH"));
    const QString checked = m_ConfirmA_View == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    SPR[0]->SetReDraw(false);
    SPR[0]->SetMaxCols(13);
    SPR[0]->SetMaxRows(0);
    picWait->showBeforeRequest();
    const int startTick = GetTickCountMS();
    if (self && readSwitch(hour, startTick) && self)
        readList(checked, hour, startTick);
    if (!self)
        return;
    picWait->hide();
    SPR[0]->SetReDraw(true);
    m_Loading = false;
}

// Steps up to the cover: false when the window is gone or the requests are hidden (the cover is
// shown then).
bool frmz승인_고객요청::readSwitch(const QString& hour, int startTick)
{
    QPointer<frmz승인_고객요청> self(this);
    const QString answer = askAndLog(BackendRequest(QString(), QStringLiteral("/program/tableqrsettingloading.php")),
                                     QStringLiteral("Load_고객요청(1) ... "), gReqLastSetting, hour, startTick);
    if (!self)
        return false;
    if (const auto value = GetField(answer, QStringLiteral("qrmemoYN["), QStringLiteral("]qrmemoYN")))
        m_UseYN = *value == QStringLiteral("N");
    if (m_UseYN)
        return true;
    for (PictureLabel* tile : picA)
        tile->hide();
    picNotUse->show();
    picNotUse->raise();
    return false;
}

void frmz승인_고객요청::readList(const QString& checked, const QString& hour, int startTick)
{
    picNotUse->hide();
    QPointer<frmz승인_고객요청> self(this);
    const bool pending = checked == QStringLiteral("Y");
    BackendRequest request(QString(), QStringLiteral("/program/qrtablememolistloading.php"));
    request.addEscaped(QStringLiteral("checked"), checked);
    const QString answer = askAndLog(request, pending ? QStringLiteral("Load_고객요청(2-1) ... ") : QStringLiteral("Load_고객요청(2-2) ... "),
                                     pending ? gReqLastListY : gReqLastListN, hour, startTick);
    if (!self)
        return;
    picWait->hide();
    fillGrid(answer, pending);
}

// Every record starts with empty fields, so a record that lacks a tag never shows another
// request's number or text.
void frmz승인_고객요청::fillGrid(const QString& answer, bool pendingView)
{
    const AnswerRecords records = AnswerRecords::Separated(answer, kSeparator);
    SpreadGrid& grid = *SPR[0];
    bool announced = false;
    for (qsizetype i = 0; i < records.count(); ++i) {
        const AnswerRecord record = records.at(i);
        const QString number = tag(record, QStringLiteral("memonum"));
        if (i == 0 && pendingView) {
            announced = number != gReqLastMemoNum;
            gReqLastMemoNum = number;
        }
        const QString group = tag(record, QStringLiteral("memotablegroupname"));
        const QString table = tag(record, QStringLiteral("memotablename"));
        const QString label = group.isEmpty() ? table : group + "-" + table;
        QString text = tag(record, QStringLiteral("memotext"));
        const int count = ToLong(tag(record, QStringLiteral("ordercount")));
        if (count > 1)
            text += " X " + QString::number(count);
        if (i == 0 && announced)
            announce(label, text);
        grid.SetMaxRows(grid.MaxRows() + 1);
        const int row = grid.MaxRows();
        const QStringList cells{number, label, tag(record, QStringLiteral("memophonet")), text,
                                tag(record, QStringLiteral("memoYN")), tag(record, QStringLiteral("regdatememo"))};
        for (int col = 1; col <= cells.size(); ++col)
            grid.SetText(col, row, cells[col - 1]);
    }
    grid.SetSortKey(1, 6);
    grid.SetSortKeyOrder(1, 1);
    grid.Sort(-1, -1, -1, -1, 0);
    refillPages();
    picWait->hide();
    Load_고객요청_페이지();
    if (announced)
        PlaySound(gSoundPath + "/DD.wav");
}

// Only a main window narrower than its full width (the mini icon, or a card grown from it)
// becomes the notice: a full window would lose its way back, which only the mini icon offers.
void frmz승인_고객요청::announce(const QString& tableLabel, const QString& text)
{
    QWidget* main = FindForm(QStringLiteral("frmMainMDI"));
    MainWindowCalls* calls = MainWindow();
    if (main && calls && main->width() < kMainFullWidth)
        calls->ShowSmallCard(286, 14, tableLabel + "\r\n" + text, kRequestNoticeTag);
}

void frmz승인_고객요청::refillPages()
{
    m_EventPrevent = true;
    const int remembered = cob페이지->currentIndex() + 1;
    cob페이지->clear();
    const int pages = (SPR[0]->MaxRows() - 1) / kTiles + 1;
    for (int page = 1; page <= pages; ++page) {
        QString text = QString::number(page) + " / " + QString::number(pages);
        if (ByteLen(text) < 10)
            text.prepend(QChar(0x3000));
        cob페이지->addItem(text);
    }
    cob페이지->setCurrentIndex(0);
    ComboDisplayNo2(*this, *cob페이지, 20);
    if (remembered > 0 && remembered <= pages)
        cob페이지->setCurrentIndex(remembered - 1);
    m_EventPrevent = false;
}

void frmz승인_고객요청::Timer_Refresh_Timer()
{
    MainWindowCalls* calls = MainWindow();
    if (calls && calls->RefreshTag() == QStringLiteral("On"))
        Load_고객요청();
}
