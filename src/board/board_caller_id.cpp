#include "board/board_window.h"

QString frmB예약관리::ShownDay() const
{
    return sspDay->tag();
}

void frmB예약관리::SetMemberSearchText(const QString& number)
{
    m_panel->DropSearch();
    txtS[0]->setText(number);
}

void frmB예약관리::ShowMemberPanel()
{
    picFrame[0]->show();
    picFrame[1]->hide();
    picFrame[2]->hide();
}

void frmB예약관리::StartBlink(qint32 untilTick)
{
    m_Blink_TickCount = untilTick;
    Blink->start();
}
