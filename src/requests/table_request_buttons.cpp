#include "requests/table_requests_window.h"

#include "core/button_guard.h"
#include "platform/message_box.h"
#include "requests/request_completion.h"

#include <QPointer>

// The tile buttons "완 료" and the page buttons "◀" and "▶" of the table-request window.

namespace {

const QColor kBlue(0, 141, 238);

// Blue text on white while the mouse is held on an enabled button, white on blue again after.
void showPressed(PanelButton& button, bool pressed)
{
    if (!button.isEnabled())
        return;
    button.setFaceColor(pressed ? QColor(Qt::white) : kBlue);
    button.setTextColor(pressed ? kBlue : QColor(Qt::white));
    button.repaint();
}

} // namespace

bool frmz승인_고객요청::Check_고객요청(const QString& number)
{
    return CompleteTableRequest(*picWait, number);
}

// A tile without a request number completes nothing.
void frmz승인_고객요청::CmdTBL_Click(int index)
{
    ButtonGuard guard(CmdTBL[index], QStringLiteral("CmdTBL"), index);
    if (!guard.passed())
        return;
    QPointer<frmz승인_고객요청> self(this);
    const QString number = picA[index]->tag();
    if (!number.isEmpty()) {
        if (Check_고객요청(number)) {
            if (self)
                Load_고객요청();
        } else {
            MsgBox(kCompletionFailed, MsgStyle::OkOnly);
        }
    }
    if (self)
        picShadow->hide();
}

void frmz승인_고객요청::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    const int count = cob페이지->count();
    const int current = cob페이지->currentIndex();
    if (count > 0) {
        if (index == 0)
            cob페이지->setCurrentIndex(current > 0 ? current - 1 : count - 1);
        else
            cob페이지->setCurrentIndex(current < count - 1 ? current + 1 : 0);
    }
    picShadow->hide();
}

void frmz승인_고객요청::CMD_MouseDown(int index)
{
    showPressed(*CMD[index], true);
}

void frmz승인_고객요청::CMD_MouseUp(int index)
{
    showPressed(*CMD[index], false);
}

void frmz승인_고객요청::CmdTBL_MouseDown(int index)
{
    showPressed(*CmdTBL[index], true);
}

void frmz승인_고객요청::CmdTBL_MouseUp(int index)
{
    showPressed(*CmdTBL[index], false);
}
