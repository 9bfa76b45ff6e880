#include "board/board_window.h"

frmB예약관리::frmB예약관리() : PlaceholderForm(QStringLiteral("예약관리"), Kind::WorkWindow)
{
}
