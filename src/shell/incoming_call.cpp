#include "shell/main_window.h"

#include "core/date_time.h"
#include "core/error_line.h"
#include "core/log.h"
#include "platform/clock.h"
#include "platform/window_effects.h"
#include "server/call_log.h"
#include "server/caller_id_board.h"

#include <QPointer>

namespace {

constexpr int kWideWindow = 1024;
constexpr int kBlinkMs = 7000;

enum CallMode { Minimised = 1, BoardShown = 2, BoardNotShown = 3, CallerCard = 4 };

// The board, when it is loaded; never made for this.
CallerIdBoard* loadedBoard()
{
    return dynamic_cast<CallerIdBoard*>(FindForm(kCallerIdBoardForm));
}

} // namespace

void frmMainMDI::CID처리2(qint32 lKind, qint32 lCh, QString sTel, const QString& SeqNO)
{
    QPointer<frmMainMDI> self(this);
    const QDate today = CurrentClock().now().date();
    WriteLog("CID처리2(1) ... CH:=" + QString::number(lCh) + ", TEL:=" + sTel);
    sTel = sTel.left(14);
    WriteLog("CID처리2(2) ... 전화번호 교정 ... TEL:=" + sTel);
    const int mode = callMode();
    WriteLog("CID처리2(3) ... CID 받은 폼 := " + QString::number(mode) + "(1:최소화, 2:예약확인, 3:예약확인외, 4:미니아이콘)");
    const std::optional<qint64> row = AddCallRow(today, lCh, sTel, SeqNO, lKind);
    if (row && self) {
        WriteLog("CID처리2(4) ... m_cid_id:=" + QString::number(*row) + ", gCID_ACT:=False");
        if (mode == Minimised) {
            showNormal();
            SetNoTopMost(*this);
        } else if (mode == CallerCard) {
            toCallerCard(sTel);
        }
        if (self && (mode == Minimised || mode == BoardNotShown))
            TopCMD_Click(0);
        else if (self && mode == BoardShown)
            handCallerToBoard(sTel);
    }
    if (row && self)
        showCallOnBoard(*row);
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
    CallerIdBoard* board = self ? loadedBoard() : nullptr;
    if (!board)
        return;
    board->SetMemberSearchText(number);
    board->회원검색A(false);
    board = self ? loadedBoard() : nullptr;
    if (!board)
        return;
    board->ShowMemberPanel();
    board->DrawShedule();
    board->StartBlink(GetTickCountMS() + kBlinkMs);
}

void frmMainMDI::showCallOnBoard(qint64 callId)
{
    if (CallerIdBoard* board = loadedBoard())
        board->ShowCall(callId);
}

bool frmMainMDI::OpenAPI_UpdateResult(const QString& SeqNO, const QString& status)
{
    QPointer<frmMainMDI> self(this);
    const CallStatusResult result = SetCallStatus(SeqNO, status);
    if (result.outcome == CallStatusResult::Failed)
        LogErrorToIni(FormName(), QStringLiteral("OpenAPI_UpdateResult"), 3, result.number, result.description);
    if (self && result.changedRow != 0)
        showCallOnBoard(result.changedRow);
    return result.outcome == CallStatusResult::Done;
}
