#include "shell/main_window.h"

#include "core/date_time.h"
#include "core/error_line.h"
#include "core/log.h"
#include "platform/clock.h"
#include "platform/window_effects.h"
#include "server/call_backlog.h"
#include "server/call_busy_rule.h"
#include "server/call_log.h"
#include "server/caller_id_board.h"

#include <QPointer>

#include <utility>

namespace {

constexpr int kWideWindow = 1024;
constexpr int kBlinkMs = 7000;
// How often the rows held back are tried again while the call log cannot take them.
constexpr int kHeldCallsRetryMs = 5000;

enum CallMode { Minimised = 1, BoardShown = 2, BoardNotShown = 3, CallerCard = 4 };

// The board, when it is loaded; never made for this.
CallerIdBoard* loadedBoard()
{
    return dynamic_cast<CallerIdBoard*>(FindForm(kCallerIdBoardForm));
}

} // namespace

// The ring's own part is done here, at once: its row (or, when the call log cannot take it, the
// call held back), the window restored, the board opened with the caller's number or the caller
// card, the call on the board's list. The member look-up that follows waits for the backend on its
// own (lookUpLater), so that the next ring is not held behind it; a look-up that a later ring has
// overtaken is dropped.
void frmMainMDI::CID처리2(qint32 lKind, qint32 lCh, QString sTel, const QString& SeqNO)
{
    QPointer<frmMainMDI> self(this);
    const QDate today = CurrentClock().now().date();
    WriteLog("CID처리2(1) ... CH:=" + QString::number(lCh) + ", TEL:=" + sTel);
    sTel = sTel.left(14);
    WriteLog("CID처리2(2) ... 전화번호 교정 ... TEL:=" + sTel);
    const int mode = callMode();
    WriteLog("CID처리2(3) ... CID 받은 폼 := " + QString::number(mode) + "(1:최소화, 2:예약확인, 3:예약확인외, 4:미니아이콘)");
    const RecordedCall call = RecordCall(today, lCh, sTel, SeqNO, lKind);
    if (call.written)
        WriteLog("CID처리2(4) ... m_cid_id:=" + QString::number(call.row.id) + ", gCID_ACT:=False");
    else
        retryHeldCallsLater();
    const int serial = ++m_callSerial;
    if (mode == Minimised) {
        showNormal();
        SetNoTopMost(*this);
    } else if (mode == CallerCard) {
        toCallerCard(sTel);
    }
    if (self && mode != CallerCard)
        TopCMD_Click(0);
    if (self && mode == BoardShown)
        giveNumberToBoard(sTel);
    if (!self)
        return;
    showCallsOnBoard(call.row, call.heldWritten > 0);
    if (mode == CallerCard)
        lookUpLater([this, serial, sTel] { nameOnCallerCard(serial, sTel); });
    else if (mode == BoardShown)
        lookUpLater([this, serial, sTel] { searchCallerOnBoard(serial, sTel); });
}

// The member look-ups of the rings run one at a time, each in a turn of its own: a ring's look-up
// waits while an earlier one's request waits, and only the latest ring's waits (the others would
// be overtaken anyway), so that a burst of rings never stacks one wait inside another.
void frmMainMDI::lookUpLater(std::function<void()> lookUp)
{
    m_nextLookUp = std::move(lookUp);
    if (!m_lookingUp)
        QTimer::singleShot(0, this, [this] { runNextLookUp(); });
}

void frmMainMDI::runNextLookUp()
{
    if (m_lookingUp || !m_nextLookUp)
        return;
    QPointer<frmMainMDI> self(this);
    m_lookingUp = true;
    std::exchange(m_nextLookUp, {})();
    if (!self)
        return;
    m_lookingUp = false;
    if (m_nextLookUp)
        QTimer::singleShot(0, this, [this] { runNextLookUp(); });
}

// Minimised whatever the width; at least 1024 pixels wide (frame included) by whether the board
// is shown; narrower, the caller card.
int frmMainMDI::callMode() const
{
    if (isMinimized())
        return Minimised;
    if (frameGeometry().width() < kWideWindow)
        return CallerCard;
    const QWidget* board = FindForm(kCallerIdBoardForm);
    return board && board->isVisible() ? BoardShown : BoardNotShown;
}

// The board in front with the caller searched as a member, its timetable redrawn and the member
// panel's phone box blinking for seven seconds.
void frmMainMDI::handCallerToBoard(const QString& number)
{
    QPointer<frmMainMDI> self(this);
    TopCMD_Click(0);
    if (self)
        searchCallerOnBoard(++m_callSerial, number);
}

void frmMainMDI::giveNumberToBoard(const QString& number)
{
    if (CallerIdBoard* board = loadedBoard())
        board->SetMemberSearchText(number);
}

// Unless a later call has overtaken it (serial): the member search for the number (put into the
// board's search box again, which an earlier search may have emptied meanwhile), then the member
// panel shown, the timetable redrawn and the phone box blinking.
void frmMainMDI::searchCallerOnBoard(int serial, const QString& number)
{
    QPointer<frmMainMDI> self(this);
    CallerIdBoard* board = loadedBoard();
    if (!board || serial != m_callSerial)
        return;
    board->SetMemberSearchText(number);
    board->회원검색A(false);
    board = self && serial == m_callSerial ? loadedBoard() : nullptr;
    if (!board)
        return;
    board->ShowMemberPanel();
    board->DrawShedule();
    board->StartBlink(GetTickCountMS() + kBlinkMs);
}

// The call (when one changed) in the board's list of today's calls, with the calls the busy rule
// marks now; the list is loaded again when held calls have just been written under their numbers.
void frmMainMDI::showCallsOnBoard(const std::optional<CallLogRow>& call, bool reload)
{
    const QList<CallLogRow> settled = SettleBusyCalls();
    CallerIdBoard* board = loadedBoard();
    if (!board)
        return;
    if (reload) {
        board->ShowTodaysCalls();
        return;
    }
    for (const CallLogRow& busy : settled)
        board->ShowCall(busy);
    if (call)
        board->ShowCall(*call);
}

bool frmMainMDI::OpenAPI_UpdateResult(const QString& SeqNO, const QString& status)
{
    QPointer<frmMainMDI> self(this);
    const CallStatusResult result = SetCallStatus(SeqNO, status);
    if (result.outcome == CallStatusResult::Failed)
        LogErrorToIni(FormName(), QStringLiteral("OpenAPI_UpdateResult"), 3, result.number, result.description);
    if (self)
        showCallsOnBoard(result.changed, result.heldWritten > 0);
    return result.outcome == CallStatusResult::Done;
}

// While calls are held back, their rows are tried again now and then; the board's list is loaded
// again once some are written.
void frmMainMDI::retryHeldCallsLater()
{
    if (!m_heldCallsRetry) {
        m_heldCallsRetry = new QTimer(this);
        m_heldCallsRetry->setInterval(kHeldCallsRetryMs);
        QObject::connect(m_heldCallsRetry, &QTimer::timeout, this, [this] {
            const int written = WriteHeldCalls();
            if (!HasHeldCalls())
                m_heldCallsRetry->stop();
            if (CallerIdBoard* board = written > 0 ? loadedBoard() : nullptr)
                board->ShowTodaysCalls();
        });
    }
    if (!m_heldCallsRetry->isActive())
        m_heldCallsRetry->start();
}
