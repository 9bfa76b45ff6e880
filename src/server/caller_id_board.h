#pragma once

#include "server/call_log_row.h"

#include <QString>

// What an incoming call does on the reservation board. The board derives from this; caller ID
// finds the board by name (kCallerIdBoardForm) and casts to this, so it needs nothing else of the
// board.
class CallerIdBoard
{
public:
    virtual ~CallerIdBoard() = default;

    // Puts one call of the call log into the board's call list of today's calls: a new call at the
    // top, a known one changed in place; the rest of the list is not read again (a list of another
    // day is first loaded with today's calls).
    virtual void ShowCall(const CallLogRow& call) = 0;
    // Loads the call list with today's calls again.
    virtual void ShowTodaysCalls() = 0;
    // The member search for the text of the member search box txtS(0).
    virtual bool 회원검색A(bool bAll) = 0;
    // Redraws the day timetable.
    virtual bool DrawShedule() = 0;

    // The day the board shows (the tag of its day label sspDay, "yyyy-MM-dd"); empty before it
    // has shown one.
    virtual QString ShownDay() const = 0;
    // Puts the caller's number into the member search box txtS(0); a member search that waits
    // meanwhile is overtaken by it and its answer dropped.
    virtual void SetMemberSearchText(const QString& number) = 0;
    // Shows the member panel picFrame(0) and hides picFrame(1) and picFrame(2).
    virtual void ShowMemberPanel() = 0;
    // m_Blink_TickCount := untilTick and the Blink timer on: the member panel's phone box blinks
    // until that tick.
    virtual void StartBlink(qint32 untilTick) = 0;
};

inline const QString kCallerIdBoardForm = QStringLiteral("frmB예약관리");
