#include "board/board_window.h"

#include "board/board_globals.h"
#include "core/button_guard.h"
#include "core/date_time.h"
#include "core/screen_values.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/window_effects.h"

#include <QCoreApplication>
#include <QPointer>

// The board's buttons: days and months, the booking list's commands, the views, the timetable's
// scale and width, the call history.

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");
const QString kCallHistoryForm = QStringLiteral("frmB전화수신이력B");
} // namespace

QColor frmB예약관리::buttonColor(int index)
{
    return index == 18 || index == 19 ? QColor(79, 129, 189) : QColor(0, 141, 238);
}

void frmB예약관리::CMD_Click(int index)
{
    PanelButton* button = CMD[index];
    ButtonGuard guard(button, QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    QPointer<frmB예약관리> self(this);
    runCommand(index);
    if (!self)
        return;
    picShadow->hide();
}

void frmB예약관리::runCommand(int index)
{
    switch (index) {
    case 0:
        예약_검색(true);
        break;
    case 1:
    case 2:
    case 3:
        openListedBooking();
        break;
    case 4:
    case 5:
        moveListRow(index);
        break;
    case 6:
    case 7:
    case 14:
    case 15:
    case 16:
        stepDay(index);
        break;
    case 8:
        showWholeMonth();
        break;
    case 9:
        시간대_리스트_토글(0);
        break;
    case 10:
        setScale(1);
        break;
    case 11:
        setScale(0);
        break;
    case 12:
        예약하기();
        break;
    case 13:
        openCallHistory();
        break;
    case 18:
        toggleTimetableWidth();
        break;
    case 19:
        회원검색A(false);
        break;
    case 20:
        회원저장();
        break;
    default:
        break;
    }
}

void frmB예약관리::CMD_DblClick(int index)
{
    if (index >= 4 && index <= 7)
        CMD_Click(index);
}

void frmB예약관리::CMD_MouseDown(int index)
{
    PanelButton* button = CMD[index];
    if (!button->isEnabled())
        return;
    button->setTextColor(buttonColor(index));
    button->setFaceColor(Qt::white);
    button->repaint();
}

void frmB예약관리::CMD_MouseUp(int index)
{
    PanelButton* button = CMD[index];
    if (!button->isEnabled())
        return;
    button->setTextColor(Qt::white);
    button->setFaceColor(buttonColor(index));
    button->repaint();
}

// Days move by one, months by one with the day kept where the month has it.
void frmB예약관리::stepDay(int index)
{
    const QDate shown = QDate::fromString(sprCAL->Tag(), kDayFormat);
    switch (index) {
    case 14:
        currDate = shown.addDays(-1);
        break;
    case 16:
        currDate = shown.addDays(1);
        break;
    case 15:
        currDate = CurrentClock().now().date();
        break;
    case 6:
        currDate = shown.addMonths(-1);
        break;
    case 7:
        currDate = shown.addMonths(1);
        break;
    }
    sprCAL->SetTag(currDate.toString(kDayFormat));
    날짜라벨_표시(sprCAL->Tag());
    mListDay[0] = currDate;
    mListDay[1] = currDate;
    QPointer<frmB예약관리> self(this);
    CalcDraw(currDate);
    예약_검색(false);
    if (self)
        DrawShedule();
    if (self)
        keepTodaysCalls();
}

void frmB예약관리::showWholeMonth()
{
    const QDate shown = QDate::fromString(sprCAL->Tag(), kDayFormat);
    mListDay[0] = QDate(shown.year(), shown.month(), 1);
    mListDay[1] = QDate(shown.year(), shown.month(), LastDayOfMonth(mListDay[0]));
    QPointer<frmB예약관리> self(this);
    예약_검색(false);
    if (self)
        시간대_리스트_토글(1);
}

void frmB예약관리::openListedBooking()
{
    SpreadGrid& list = *SPR[0];
    if (list.MaxRows() < 1)
        return;
    const int row = list.SelBlockRow();
    list.SetRow(row);
    const QString number = list.GetText(1, row);
    const QString phone = QString(list.GetText(12, row)).remove(QChar('-'));
    QPointer<frmB예약관리> self(this);
    회원정보_Load_PhoneT(phone);
    if (!self)
        return;
    if (openEntryWindow(1, number, phone, QString(), QString()))
        refreshAfterEntry();
}

void frmB예약관리::moveListRow(int index)
{
    SpreadGrid& list = *SPR[0];
    const int rows = list.MaxRows();
    if (rows < 1)
        return;
    const int current = list.ActiveRow();
    int next = 1;
    if (index == 4)
        next = current > 1 ? current - 1 : rows;
    else if (current < rows)
        next = current < 1 ? (rows > 1 ? 2 : 1) : current + 1;
    list.SetRow(next);
    list.SetActiveCell(list.ActiveCol(), next);
}

void frmB예약관리::setScale(int kind)
{
    gSchScaleKind = kind;
    gIniFrshop.WriteValue(QStringLiteral("SET"), QStringLiteral("SchScaleKind"), gSchScaleKind);
    DrawShedule();
}

// The main window stays half transparent while the call history is open, and opaque afterwards
// whatever became of the history.
void frmB예약관리::openCallHistory()
{
    QPointer<QWidget> main = FindForm(QStringLiteral("frmMainMDI"));
    if (main)
        SetTranslucent(*main, 50);
    if (QWidget* history = FormByName(kCallHistoryForm)) {
        if (auto* events = dynamic_cast<FormEvents*>(history))
            events->m_FirstActivated = true;
        ShowFormModal(*history);
    }
    if (main)
        SetTranslucent(*main, 0);
}

void frmB예약관리::toggleTimetableWidth()
{
    PanelButton& button = *CMD[18];
    button.setCaption(button.caption() == QStringLiteral("▶") ? QStringLiteral("◀") : QStringLiteral("▶"));
    const int W = width() - 12;
    QPointer<frmB예약관리> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    const bool wide = button.caption() == QStringLiteral("◀");
    picLayer[0]->resize(wide ? W + 2 : W - 345, picLayer[0]->height());
    sprGraph[0]->resize(picLayer[0]->width() - 2, sprGraph[0]->height());
    BD[2]->setGeometry(sprGraph[0]->geometry().adjusted(-1, -1, 1, 1));
    DrawShedule();
}

void frmB예약관리::lblCMD_Click(int index)
{
    switch (index) {
    case 0:
        picFrame[0]->hide();
        picFrame[1]->show();
        picFrame[2]->hide();
        break;
    case 1:
    case 2:
        picFrame[0]->show();
        picFrame[1]->hide();
        picFrame[2]->hide();
        Load_CID(CurrentClock().now().date(), false);
        break;
    case 3:
        회원수정창();
        break;
    default:
        break;
    }
}
