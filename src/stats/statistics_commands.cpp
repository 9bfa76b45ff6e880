#include "stats/statistics_window.h"

#include "core/button_guard.h"
#include "core/error_line.h"
#include "core/log.h"
#include "core/number_format.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "server/coupon_sms.h"
#include "server/saved_messages.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>

namespace {

// The commands that fill or read the customer list: one of them started inside another's waits
// would mix two lists.
bool touchesList(int index)
{
    return index == 3 || index == 4 || index == 5 || index == 11 || index == 13 || index == 14;
}

} // namespace

bool frmz통계B::busyRefuses(int index) const
{
    if (!m_busy || !touchesList(index))
        return false;
    WriteLog(QStringLiteral("CMD_Click Refused CMD(%1) while the list is loading or sending").arg(index));
    return true;
}

void frmz통계B::CMD_Click(int index)
{
    if (index < 0 || index > 16 || busyRefuses(index))
        return;
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    QPointer<frmz통계B> self(this);
    const bool long_ = touchesList(index);
    if (long_)
        m_busy = true;
    switch (index) {
    case 0:
    case 1:
    case 2:
        setPreset(index);
        break;
    case 3:
        if (m_Kind == QStringLiteral("예약"))
            Load_예약검색결과();
        break;
    case 4:
        Load_전체예약n회원();
        if (!self)
            return;
        txt검색내검색->clear();
        QCoreApplication::processEvents();
        if (self)
            txt검색내검색->setFocus();
        break;
    case 5:
        Load_회원검색(QString());
        break;
    case 6:
    case 7:
    case 8:
    case 9:
        if (WriteSavedMessage(index - 5, txt문자[index - 6]->text()))
            MsgBox(QStringLiteral("저장되었습니다."));
        else
            LogError(FormName(), QStringLiteral("CMD_Click"), 2, 75, QStringLiteral("Path/File access error"));
        break;
    case 10:
        for (int i = 0; i < 4; ++i)
            if (opt문자[i]->isChecked()) {
                txt보낼문자->setText(txt문자[i]->text());
                break;
            }
        break;
    case 11:
        Send_문자();
        break;
    case 12:
        Save_카톡설정();
        break;
    case 13:
        Send_톡();
        break;
    case 14:
        searchWithinResults();
        break;
    case 15:
        Change_링크이미지();
        break;
    case 16:
        QGuiApplication::clipboard()->clear();
        QGuiApplication::clipboard()->setText(txt사이트주소->text());
        break;
    default:
        break;
    }
    if (self && long_)
        m_busy = false;
}

void frmz통계B::setPreset(int index)
{
    const QDate today = CurrentClock().now().date();
    기간[1]->setDate(today);
    if (index == 0)
        기간[0]->setDate(today.addDays(-6));
    else if (index == 1)
        기간[0]->setDate(today.addDays(-13));
    else
        기간[0]->setDate(today.addMonths(-1).addDays(1));
}

void frmz통계B::searchWithinResults()
{
    const QString wanted = txt검색내검색->text();
    if (wanted.isEmpty())
        return;
    SpreadGrid& shown = *SPR[0];
    SpreadGrid& full = *SPR[1];
    if (!m_InResultSearch)
        shown.SetMaxRows(0);
    m_InResultSearch = true;
    const int length = int(wanted.size());
    shown.SetReDraw(false);
    for (int row = 1; row <= full.MaxRows(); ++row) {
        const bool matches = full.GetText(3, row).contains(wanted, Qt::CaseInsensitive)
            || full.GetText(5, row).right(length) == wanted
            || full.GetText(12, row).contains(wanted, Qt::CaseInsensitive);
        full.SetCol(2);
        full.SetRow(row);
        if (!matches || full.Value() == 1)
            continue;
        const int added = shown.MaxRows() + 1;
        shown.SetMaxRows(added);
        for (int col = 1; col <= full.MaxCols(); ++col)
            shown.SetText(col, added, full.GetText(col, row));
        full.SetValue(1);
    }
    shown.SetReDraw(true);
    txt검색내검색->clear();
}

void frmz통계B::SPR_Click(int col, int row)
{
    QPointer<frmz통계B> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    SpreadGrid& grid = *SPR[0];
    if (row < 1 || row > grid.MaxRows() || col < 1 || col > grid.MaxCols() || col != 2)
        return;
    grid.SetCol(2);
    grid.SetRow(row);
    grid.SetValue(grid.Value() == 0 ? 1 : 0);
    Chk전체선택->setChecked(false);
    writeChosenCount();
}

// Only the corner cell exports: the whole list as a workbook in the program folder.
void frmz통계B::SPR_DblClick(int col, int row)
{
    if (col == 0 && row == 0)
        SPR[0]->ExportToExcel(AppFile(QStringLiteral("테마분석_결과.xls")), QStringLiteral("Sheet1"),
                              AppFile(QStringLiteral("테마분석_결과.log")));
}

void frmz통계B::Chk전체선택_Click()
{
    SpreadGrid& grid = *SPR[0];
    const int value = Chk전체선택->isChecked() ? 1 : 0;
    grid.SetReDraw(false);
    grid.SetCol(2);
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        grid.SetRow(row);
        grid.SetValue(value);
    }
    grid.SetReDraw(true);
    writeChosenCount();
}

void frmz통계B::writeChosenCount()
{
    SpreadGrid& grid = *SPR[0];
    int chosen = 0;
    grid.SetCol(2);
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        grid.SetRow(row);
        chosen += grid.Value() == 1 ? 1 : 0;
    }
    const QString caption = FormatNumber(chosen) + "/" + FormatNumber(grid.MaxRows());
    전송건수[0]->setText(caption);
    전송건수[1]->setText(caption);
}

void frmz통계B::lblCMD_Click(int index)
{
    for (int i = 0; i < 2; ++i)
        picFrame[i]->setVisible(i != index);
}

void frmz통계B::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmz통계B::txt보낼문자_Change()
{
    글자크기->setText(MessageSizeCaption(LenMbcs(txt보낼문자->text())));
}
